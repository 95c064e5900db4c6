# Workbook readers (.xls BIFF8, .xlsx, .ods) for common_core: libgsf opens the OLE2 and ZIP
# containers, libxml2 parses the XML parts.
target_sources(common_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/workbook_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workbook_containers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workbook_xls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workbook_xlsx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workbook_ods.cpp)
target_link_libraries(common_core PRIVATE PkgConfig::GSF PkgConfig::LIBXML2)
