set(TEST_LIBS taravell_format_dbf)
