# hydrochart rain: the precipitation probability chart.
list(APPEND HYDROCHART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/rain.cpp)
list(APPEND HYDROCHART_LIBS rainprob_core)
