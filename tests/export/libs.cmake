# The round trip opens files of every kind through the registry (app) and reads GEDCOM back; the
# Legacy and TMG fixtures are built by those tests' own descriptions of them.
set(TEST_LIBS taravell_export taravell_app)
list(APPEND sources ${CMAKE_CURRENT_LIST_DIR}/../legacy/LegacyFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/../tmg/TMGFixture.cpp
     ${CMAKE_CURRENT_LIST_DIR}/../tmg/TMG5Fixture.cpp)
