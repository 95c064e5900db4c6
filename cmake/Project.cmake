# Shared build settings: warnings (as errors where asked), sanitizers, the generated build
# information header, and the helpers that add libraries, programs and tests.

set(HC_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/hydrochart)
# The programs find their data relative to their own executable, so that an installed tree can
# be moved (`cmake --install --prefix`, DESTDIR, an unpacked package).
file(RELATIVE_PATH HC_DATADIR_FROM_BINDIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/hydrochart)
set(HC_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in ${HC_GENERATED_DIR}/build_info.h @ONLY)

function(hc_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 warns of overlapping copies inside libstdc++ whenever `"literal" + std::string` or
  # insert() is inlined at -O3 (GCC bugs 105329, 105651): false alarms on correct code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(HC_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PRIVATE ${HC_GENERATED_DIR})
  # No path of the build machine in a program (debug information, __FILE__): the package must
  # not depend on where it was built. The build folder is named after the source folder, as it
  # may lie inside it and the last matching map wins.
  target_compile_options(${target} PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                                           -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
  if(HC_SANITIZE)
    # float-cast-overflow is not part of GCC's "undefined".
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow
                                             -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined,float-cast-overflow)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow)
  endif()
endfunction()

# hc_add_library(name SOURCES ... LIBS ...): a static library of one folder.
function(hc_add_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  hc_target_settings(${name})
endfunction()

# hc_add_program(name SOURCES ... LIBS ...): a GUI program or command.
function(hc_add_program name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  hc_target_settings(${name})
  add_dependencies(${name} hc_data)
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY HC_PROGRAMS ${name})
endfunction()

# hc_add_test(name [QT] [BOTH_LOCALES] SOURCES ... LIBS ...): a GoogleTest executable registered
# with CTest. QT tests get a QApplication on the offscreen platform; they, and the BOTH_LOCALES
# tests (those that run the headless command's drawing and export), run under C.UTF-8 and again
# under ja_JP.UTF-8.
function(hc_add_test name)
  cmake_parse_arguments(T "QT;BOTH_LOCALES" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT)
    add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE HC_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  hc_target_settings(${name})
  hc_discover_tests(${name} C.UTF-8 "" "${T_LABELS}")
  if(T_QT OR T_BOTH_LOCALES)
    # One label a test (see below): a labelled test's Japanese copy keeps its own label.
    if(T_LABELS)
      hc_discover_tests(${name} ja_JP.UTF-8 "@ja" "${T_LABELS}")
    else()
      hc_discover_tests(${name} ja_JP.UTF-8 "@ja" ja_JP)
    endif()
  endif()
endfunction()

# Registers the GoogleTest cases of `target` to run under `locale`, their names ending in
# `suffix`. The locale goes in as LC_ALL through ENVIRONMENT_MODIFICATION, each property holding
# one item: gtest_discover_tests splits a property's list at every semicolon, so a second item
# of ENVIRONMENT would silently become a property of its own and never reach the test (and a
# test gets one label at most, for the same reason).
function(hc_discover_tests target locale suffix label)
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                 ENVIRONMENT_MODIFICATION "LC_ALL=set:${locale}")
  if(label)
    list(APPEND properties LABELS "${label}")
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    TEST_SUFFIX "${suffix}"
    PROPERTIES ${properties})
endfunction()

# A test that runs the headless command: it knows where the command is and waits for it.
function(hc_test_runs_hydrochart target)
  target_compile_definitions(${target} PRIVATE HYDROCHART_EXE="$<TARGET_FILE:hydrochart>")
  add_dependencies(${target} hydrochart)
endfunction()

# The programs as C++ sees them (hc::kSuitePrograms in suite_programs.h), written once every
# folder has added its own: the desktop hand-offs use it never to give a file to one of them.
set(HC_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
function(hc_write_program_list)
  get_property(programs GLOBAL PROPERTY HC_PROGRAMS)
  set(HC_PROGRAM_ITEMS "")
  foreach(program IN LISTS programs)
    string(APPEND HC_PROGRAM_ITEMS "    \"${program}\",\n")
  endforeach()
  configure_file(${HC_CMAKE_DIR}/suite_programs.h.in ${HC_GENERATED_DIR}/suite_programs.h @ONLY)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL hc_write_program_list)
