# The Debian package `barvotok`, named and versioned from project(): cpack -G DEB
# (or `cmake --workflow --preset package`) writes barvotok_VERSION_ARCH.deb.
# dpkg-shlibdeps computes its dependencies (SQLite, libxxhash, libpng, the C++
# runtime) from what the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME barvotok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Barvotok team")
set(CPACK_PACKAGE_CONTACT "The Barvotok team <barvotok@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "evaluator and organiser's tools of the Barvotok flood-colouring task")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zvn22Barvotok judges one submission of the Barvotok task. barvotok-gen writes test sets, "
    "barvotok-solve solves them, barvotok-visualise draws a replay as a web page and "
    "barvotok-contest judges a whole contest into results databases and ranks it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The doc folder is /usr/share/doc/barvotok whatever CMAKE_INSTALL_PREFIX says.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
