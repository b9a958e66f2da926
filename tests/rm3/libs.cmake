set(TEST_LIBS taravell_formats taravell_export)
