# Workbook reader tests; the fixtures come from tests/fixtures/workbook/make_fixtures.py.
hc_add_test(workbook_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/workbook_test.cpp ${CMAKE_CURRENT_LIST_DIR}/workbook_limits_test.cpp
  LIBS common_core PkgConfig::GSF)
