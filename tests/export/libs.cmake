# The round trip opens files of every kind through the registry (app) and reads GEDCOM back.
set(TEST_LIBS taravell_export taravell_app)
