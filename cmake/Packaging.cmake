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
# (lines indented further are shown as they stand).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Five small desktop programs with a Japanese interface for groundwater-quality
and river-hydrology work, and a command that draws their charts without a
window:
  - sixsideplot: hexadiagrams of up to 32 water analyses,
  - polyplot: Stiff diagrams of the same analyses,
  - ternaryplot: colour trilinear diagrams with a table of samples,
  - rainprob: annual precipitation on normal probability paper, with the
    1-in-10 and 1-in-50 dry and wet years,
  - flowcalc: Manning discharge of a surveyed river cross-section,
  - hydrochart: any of these charts as PDF, SVG, PNG or JSON, for batch use.
Workbooks (.xls, .xlsx, .ods) are read directly. Every chart prints on A4.")

set(CPACK_GENERATOR DEB)
include(CPack)
