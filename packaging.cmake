# A Debian package of the program: cpack --config build/CPackConfig.cmake
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME euler-primes)
set(CPACK_PACKAGE_VENDOR "Euler Primes developers")
set(CPACK_PACKAGE_CONTACT "Euler Primes developers <dev@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check Euler's observation that N*(N+1)+41 gives primes")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A one-window classroom program with a Bulgarian interface. The pupil types\n"
    "N from 0 to 30; the window shows the calculation of N*(N+1)+41 and\n"
    "highlights the value in a list of the 168 primes below 1000.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.example.org/)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the built binary; the font it asks for and Qt's
# Bulgarian texts do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
