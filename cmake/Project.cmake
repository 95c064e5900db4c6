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

# hc_add_program(name [COMMAND] SOURCES ... LIBS ...): a window program, or with COMMAND a
# command without a window (no menu entry, icon or window picture). This call is the one list
# of the suite's programs: menu entries, icons, man pages, the package and the scripts' list
# (build/<preset>/programs.txt) all follow from it, with what packaging/programs.cmake says
# about each program.
function(hc_add_program name)
  cmake_parse_arguments(A "COMMAND" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  hc_target_settings(${name})
  add_dependencies(${name} hc_data)
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY HC_PROGRAMS ${name})
  if(A_COMMAND)
    set_property(GLOBAL PROPERTY HC_PROGRAM_KIND_${name} command)
  else()
    set_property(GLOBAL PROPERTY HC_PROGRAM_KIND_${name} window)
  endif()
endfunction()

# hc_programs(var [window|command]): the programs added so far, in the order of their folders;
# with a kind, only the programs of that kind.
function(hc_programs var)
  get_property(programs GLOBAL PROPERTY HC_PROGRAMS)
  if(ARGC GREATER 1)
    set(kept "")
    foreach(program IN LISTS programs)
      get_property(kind GLOBAL PROPERTY HC_PROGRAM_KIND_${program})
      if(kind STREQUAL ARGV1)
        list(APPEND kept ${program})
      endif()
    endforeach()
    set(programs ${kept})
  endif()
  set(${var} ${programs} PARENT_SCOPE)
endfunction()

# hc_program_facts(program KEY value ...) records what packaging/programs.cmake says about a
# program; hc_program_fact(var program KEY) reads one fact back (empty when not given).
set(HC_PROGRAM_FACT_KEYS NAME_EN NAME_JA COMMENT_EN COMMENT_JA KEYWORDS_EN KEYWORDS_JA
    DESCRIPTION_EN DESCRIPTION_JA INPUT_EN INPUT_JA MIME CATEGORIES PACKAGE_LINE EXAMPLE
    SHOT_KEYS)
function(hc_program_facts program)
  cmake_parse_arguments(F "" "${HC_PROGRAM_FACT_KEYS}" "" ${ARGN})
  if(F_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "hc_program_facts(${program}): stray arguments ${F_UNPARSED_ARGUMENTS}")
  endif()
  foreach(key IN LISTS HC_PROGRAM_FACT_KEYS)
    set_property(GLOBAL PROPERTY HC_FACT_${program}_${key} "${F_${key}}")
  endforeach()
endfunction()
function(hc_program_fact var program key)
  get_property(value GLOBAL PROPERTY HC_FACT_${program}_${key})
  set(${var} "${value}" PARENT_SCOPE)
endfunction()
include(${CMAKE_SOURCE_DIR}/packaging/programs.cmake)

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

# The programs as C++ sees them (hc::kSuitePrograms and hc::kWindowPrograms in
# suite_programs.h; the desktop hand-offs use the first never to give a file to one of them),
# and as the scripts and packaging tests see them (programs.txt in the build folder), written
# once every folder has added its own.
set(HC_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
function(hc_write_program_list)
  hc_programs(programs)
  # The menu entries, icons and man pages are made in packaging/, which must come after
  # every program's folder to see them all.
  get_property(packaged GLOBAL PROPERTY HC_PACKAGED_PROGRAMS)
  if(NOT packaged STREQUAL programs)
    message(FATAL_ERROR "packaging/ saw the programs '${packaged}' but the build has "
                        "'${programs}': add every program's folder before packaging/")
  endif()
  set(HC_PROGRAM_ITEMS "")
  set(HC_WINDOW_PROGRAM_ITEMS "")
  string(CONCAT text "# The suite's programs, written by CMake from the hc_add_program calls and\n"
              "# packaging/programs.cmake. One line a program: NAME KIND (window or command),\n"
              "# then for a window program the example its picture opens (under examples/, - for\n"
              "# none) and the keys sent after opening it.\n")
  foreach(program IN LISTS programs)
    string(APPEND HC_PROGRAM_ITEMS "    \"${program}\",\n")
    get_property(kind GLOBAL PROPERTY HC_PROGRAM_KIND_${program})
    set(line "${program} ${kind}")
    if(kind STREQUAL "window")
      string(APPEND HC_WINDOW_PROGRAM_ITEMS "    \"${program}\",\n")
      hc_program_fact(example ${program} EXAMPLE)
      hc_program_fact(keys ${program} SHOT_KEYS)
      if(NOT example)
        set(example "-")
      endif()
      string(STRIP "${line} ${example} ${keys}" line)
    endif()
    string(APPEND text "${line}\n")
  endforeach()
  configure_file(${HC_CMAKE_DIR}/suite_programs.h.in ${HC_GENERATED_DIR}/suite_programs.h @ONLY)
  # Rewritten only when it changes, so that what depends on it is not redone for nothing.
  set(list_file ${CMAKE_BINARY_DIR}/programs.txt)
  set(old "")
  if(EXISTS ${list_file})
    file(READ ${list_file} old)
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${list_file} "${text}")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL hc_write_program_list)
