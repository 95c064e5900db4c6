# hydrochart stiff: the Stiff diagram sheets and canvas of polyplot.
list(APPEND HYDROCHART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/stiff.cpp)
list(APPEND HYDROCHART_LIBS polyplot_core hydrochart_diagrams)
