# hydrochart hexa, run as a program on the sample workbooks.
hc_add_test(hydrochart_hexa_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/hexa_test.cpp
  LIBS Qt6::Core)
target_compile_definitions(hydrochart_hexa_test PRIVATE HYDROCHART_EXE="$<TARGET_FILE:hydrochart>")
add_dependencies(hydrochart_hexa_test hydrochart)
