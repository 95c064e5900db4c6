# hydrochart tri: the trilinear diagram sheet and picture of ternaryplot.
list(APPEND HYDROCHART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/tri.cpp)
list(APPEND HYDROCHART_LIBS ternaryplot_core hydrochart_diagrams)
