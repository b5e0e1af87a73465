# The Debian package: `cpack --preset package` after building the package
# preset (see README, "Installing").
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvanta)
# All four parts of the version: CPack would take three by default.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dorvanta developers")
set(CPACK_PACKAGE_CONTACT "Dorvanta developers <dorvanta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "selection wizard for SMD tantalum and niobium-oxide capacitors")
set(CPACK_PACKAGE_DESCRIPTION
  "Dorvanta evaluates every part of its built-in catalogue of surface-mount
tantalum and niobium-oxide capacitors against the maker's voltage-derating
and surge rules for an application circuit, lists the recommended parts,
shows their computed values at five temperatures and prints a report.
dorvanta-cli runs the same searches for scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries; what the program needs without linking
# it is named here: the report's fonts and the opener of documents and links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
