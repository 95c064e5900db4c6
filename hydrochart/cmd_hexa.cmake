# hydrochart hexa: the hexadiagram sheets and canvas of sixsideplot.
list(APPEND HYDROCHART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/hexa.cpp)
list(APPEND HYDROCHART_LIBS sixsideplot_core hydrochart_diagrams)
