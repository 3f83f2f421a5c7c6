# The Debian package `barvotok`, named and versioned from project(): cpack -G DEB
# (or `cmake --workflow --preset package`) writes barvotok_VERSION_ARCH.deb.
# dpkg-shlibdeps computes its dependencies (SQLite, libxxhash, libpng, the C++
# runtime) from what the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME barvotok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The barvotok authors")
set(CPACK_PACKAGE_CONTACT "The barvotok authors <barvotok@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "evaluator and organiser's tools of the Barvotok flood-colouring task")
# The extended description, in lines that Debian's tools show as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zvn22Barvotok judges one submission of the Barvotok task, a flood-colouring\n"
    "puzzle of a programming competition: it checks the test set and the\n"
    "submission line by line, replays the moves on every grid and writes a\n"
    "short report, the same byte for byte wherever it runs.\n"
    "The organiser's tools come with it: barvotok-gen writes test sets,\n"
    "barvotok-solve solves them, barvotok-visualise draws a replay as a web page,\n"
    "and barvotok-contest judges a whole contest into results databases and\n"
    "ranks it. The contestant's page, which judges and replays in a browser,\n"
    "is in /usr/share/barvotok.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The README's examples query results with sqlite3; its scale-out recipes run
# on GNU parallel.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "sqlite3, parallel")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The doc folder is /usr/share/doc/barvotok whatever CMAKE_INSTALL_PREFIX says.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
