# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh does it from a
# clean tree). Runtime dependencies are computed by dpkg-shlibdeps from the programs' links.

# The suite has no mail address of its own yet; whoever distributes the package sets theirs.
set(HC_PACKAGE_MAINTAINER "The hydrochart suite developers <maintainers@hydrochart.invalid>"
  CACHE STRING "Maintainer field of the Debian package: Name <address>")

set(CPACK_PACKAGE_NAME hydrochart)
set(CPACK_PACKAGE_VENDOR "The hydrochart suite developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "water-quality diagrams, rainfall probability and Manning discharge")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HC_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese text needs a Japanese face; the window programs hand the template to the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-ipafont-gothic | fonts-noto-cjk, fonts-ipafont-mincho | fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc, hardinfo")
# The long description; CPack puts the summary above it and indents every line by one blank
# (lines indented further are shown as they stand). Its list of programs is made from the
# build's programs, the window programs first, and their lines in packaging/programs.cmake.
hc_programs(windows window)
hc_programs(commands command)
list(LENGTH windows count)
set(number_words One Two Three Four Five Six Seven Eight Nine Ten Eleven Twelve)
if(count GREATER 0 AND count LESS_EQUAL 12)
  math(EXPR index "${count} - 1")
  list(GET number_words ${index} count)
endif()
set(description "${count} small desktop programs with a Japanese interface for groundwater-quality
and river-hydrology work, and a command that draws their charts without a
window:")
set(listed ${windows} ${commands})
list(LENGTH listed left)
foreach(program IN LISTS listed)
  hc_program_fact(line ${program} PACKAGE_LINE)
  if(NOT line)
    message(FATAL_ERROR "packaging/programs.cmake gives no PACKAGE_LINE for ${program}")
  endif()
  math(EXPR left "${left} - 1")
  if(left GREATER 0)
    string(APPEND description "\n  - ${program}: ${line},")
  else()
    string(APPEND description "\n  - ${program}: ${line}.")
  endif()
endforeach()
string(APPEND description "
Workbooks (.xls, .xlsx, .ods) are read directly. Every chart prints on A4.")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${description}")

set(CPACK_GENERATOR DEB)
include(CPack)
