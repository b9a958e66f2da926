set(TEST_LIBS taravell_app taravell_export)
