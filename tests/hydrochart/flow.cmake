# hydrochart flow, run as a program on cross-section files.
hc_add_test(hydrochart_flow_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/flow_test.cpp
  LIBS Qt6::Core)
target_compile_definitions(hydrochart_flow_test PRIVATE HYDROCHART_EXE="$<TARGET_FILE:hydrochart>")
add_dependencies(hydrochart_flow_test hydrochart)
