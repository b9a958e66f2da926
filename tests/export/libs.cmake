set(TEST_LIBS taravell_export)
