set(TEST_LIBS taravell_base)
