# hydrochart rain, run as a program on the example precipitation files.
hc_add_test(hydrochart_rain_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/rain_test.cpp
  LIBS Qt6::Core)
target_compile_definitions(hydrochart_rain_test PRIVATE HYDROCHART_EXE="$<TARGET_FILE:hydrochart>")
add_dependencies(hydrochart_rain_test hydrochart)
