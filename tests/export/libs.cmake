# The round trip opens files of every kind through the registry (app) and reads GEDCOM back; the
# Legacy fixture is built by the Legacy tests' own description of it.
set(TEST_LIBS taravell_export taravell_app)
list(APPEND sources ${CMAKE_CURRENT_LIST_DIR}/../legacy/LegacyFixture.cpp)
