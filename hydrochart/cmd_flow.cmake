# hydrochart flow: the cross-section chart and Manning discharge of flowcalc.
list(APPEND HYDROCHART_SOURCES ${CMAKE_CURRENT_LIST_DIR}/flow.cpp)
list(APPEND HYDROCHART_LIBS flowcalc_core)
