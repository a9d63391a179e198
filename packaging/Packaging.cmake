# The Debian package, built with `cpack -G DEB` from a configured build tree:
# fotovuelo-calc always, the desktop program with its entry and icon when the
# build has it. Library dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME fotovuelo)
set(CPACK_PACKAGE_VENDOR "Fotovuelo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planning of aerial photogrammetric flights")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Fotovuelo computes a photogrammetric flight from one data form: flying height, base, "
    "strip spacing, counts, speeds and times, and the geographic coordinates of every "
    "exposure centre on the WGS 84 or Hayford ellipsoid. It has a desktop program and the "
    "command-line tool fotovuelo-calc, which also exports the block as GeoJSON, KML, GPX, CSV "
    "and an SVG picture.")
set(FOTOVUELO_PACKAGE_CONTACT "Fotovuelo developers <developers@fotovuelo.invalid>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT "${FOTOVUELO_PACKAGE_CONTACT}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET fotovuelo)
  # Not libraries, so dpkg-shlibdeps cannot see them: the window needs a Qt
  # platform plugin, and its Courier text needs Liberation Mono.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
endif()
include(CPack)
