# cpack -G DEB (run in the build folder) writes plovkmr_3.0.6.0_amd64.deb:
# everything `cmake --install` installs, under /usr, with the run-time
# dependencies computed from the binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME plovkmr)
set(CPACK_PACKAGE_VENDOR "Korvale")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "continuous-beam stress calculation (連続梁応力算定)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "PLOV-Kmr computes the stresses of a continuous beam of 1 to 10 spans on 2 to 11\n"
    "supports (fixed, simple, hinge, spring, free) by the stiffness method and prints a\n"
    "calculation report. The package holds the window program PLOVKmr, the command line\n"
    "plovkmr (calc, dump, convert, report), and the analysis library kmrengine with its\n"
    "C header, CMake package and pkg-config file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "PLOV-Kmr developers <plovkmr@korvale.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvale.example/plov-kmr")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library of the package itself, for dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/engine)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Not found from the binaries: the fonts of the window and the report.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
