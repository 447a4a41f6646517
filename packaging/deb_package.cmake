# The Debian package, made by `cpack -G DEB` in the build folder from the install rules. Its
# dependencies are the packages of the libraries the program links (dpkg-shlibdeps).
set(KESTOVA_MAINTAINER "Kestova developers <developers@kestova.org>" CACHE STRING
  "The Debian package's maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestova)
set(CPACK_PACKAGE_VENDOR "Kestova developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw survey deviations into a CAD drawing")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTOVA_MAINTAINER})
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which cpack escapes for XML.
file(READ description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window system plugins at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
