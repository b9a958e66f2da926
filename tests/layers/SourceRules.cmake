# Source rules checked over the whole tree, run as a test:
#   cmake -DSOURCE_DIR=<checkout> -DRULE=<relative-includes|reader-names> -P SourceRules.cmake
#
# relative-includes: no source file includes a header by a relative path ("../search/Attrib.h"):
#   such an include reaches past the include root of its layer, which the layer check relies on.
# reader-names: outside formats/ no code names a reader: no include of a reader folder's header,
#   no reader class (WGEDCollection, WTMG5Name, ...), no reader kind enumeration and no reader's
#   display name.  What a reader is known by comes from the registry (formats/Readers.h) or a
#   capability the collection answers.  Comment lines are not code and are skipped.
cmake_minimum_required(VERSION 3.20)

set(folders base model search views export app gui cli formats tests fuzz bench)
set(failures "")

function(check_file path rel)
  # One list element per line: the characters CMake's lists treat specially are neutralised first.
  file(READ ${path} content)
  string(REPLACE "\\" "/" content "${content}")
  string(REPLACE ";" "," content "${content}")
  string(REPLACE "[" "(" content "${content}")
  string(REPLACE "]" ")" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(n 0)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    if(RULE STREQUAL "relative-includes")
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"\\.\\.?/")
        list(APPEND failures "${rel}:${n}: relative include: ${line}")
      endif()
    else()
      if(line MATCHES "^[ \t]*//")
        continue()
      endif()
      if(line MATCHES "#[ \t]*include[ \t]*\"formats/[A-Za-z0-9_]+/"
         OR line MATCHES "(^|[^A-Za-z0-9_])W(GED|PAF[0-9]*|FTW|LEG|TMG[0-9]*|RM3|DAO|MDB)[A-Z][A-Za-z0-9_]*"
         OR line MATCHES "FileKind"
         OR line MATCHES "Personal Ancestral|Master Genealogist|RootsMagic|Roots Magic|Family Tree Maker|Legacy Family")
        list(APPEND failures "${rel}:${n}: names a reader: ${line}")
      endif()
    endif()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

if(RULE STREQUAL "relative-includes")
  set(scan ${folders})
else()
  set(scan base model search views export app gui cli)
endif()
foreach(folder IN LISTS scan)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.hpp)
  foreach(path IN LISTS files)
    file(RELATIVE_PATH rel ${SOURCE_DIR} ${path})
    check_file(${path} ${rel})
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
