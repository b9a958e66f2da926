#pragma once

#include <string>
#include <vector>

// File paths are bytes in the file system's encoding, never model texts: they are compared,
// joined and split as bytes, and converted only where they are shown.

// The folder part of a path without its last "/" ("/a/b.ged" -> "/a", "b.ged" -> ".",
// "/b.ged" -> "/").
std::string DirectoryOf(const std::string& path);
// The name after the last "/".
std::string FileNameOf(const std::string& path);
// The name without its last extension ("/a/Family.rmg" -> "Family").
std::string BaseNameOf(const std::string& path);
// dir + "/" + name (no doubled "/").
std::string JoinPath(const std::string& dir, const std::string& name);

// The path of the file called `name` in `dir`, found the way files copied from Windows need:
// an exact match first, otherwise the one entry whose name equals it when ASCII letter case is
// ignored ("FAMILY_I.DBF" for "family_i.dbf").  Empty when there is none.
std::string FindFileNoCase(const std::string& dir, const std::string& name);

// FindFileNoCase(dir, name), or dir joined with name when there is no such entry (so that an
// open error names the file looked for).
std::string SiblingFilePath(const std::string& dir, const std::string& name);

// The first `count` bytes of a regular file (fewer when it is shorter); empty when it cannot be
// opened or read.  The file is opened read-only; nothing else is touched.
std::string ReadFileStart(const std::string& path, size_t count);
// The regular files in `dir` named `stem`, one more character and one of `extensions` (lower
// case with the dot), ignoring ASCII letter case: the tables and memo files of a project whose
// files are named after it ("ashwortA.dbf", "FAMILY_I.FPT").
std::vector<std::string> FilesNamedAfter(const std::string& dir, const std::string& stem,
                                         const std::vector<std::string>& extensions);
