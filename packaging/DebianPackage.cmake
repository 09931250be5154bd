# The Debian package of the installation: `cpack -G DEB` in a release build writes
# velmora_<version>_amd64.deb (scripts/check-package.sh builds and checks it).
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "HALVEX Tanksysteme GmbH")
set(CPACK_PACKAGE_CONTACT "HALVEX Tanksysteme GmbH <info@halvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planning of heating-oil tank batteries (HALVEX)")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora lays out batteries of HALVEX heating-oil storage tanks in a cellar\n"
    "or boiler room: from the room, the wanted storage volume and the bring-in\n"
    "opening it finds every tank and arrangement of the HALVEX catalogue that\n"
    "fits, draws the plan, lists the material with its price and prints a\n"
    "planning sheet. The user interface is German.\n"
    "\n"
    "The package holds the program, the headless planner velmora-plan, the\n"
    "DATANORM and price tools, the demo catalogue with its pictures and the\n"
    "German user guide.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.halvex.example)
# The libraries come from the programs themselves (dpkg-shlibdeps); what they load without
# linking it is named here: Qt's German texts for its dialogs, and the metric twins of the
# "Arial" and "Courier New" that the window, the plan and the printouts are measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libssl3 holds libcrypto, which the programs load on first use and so do not list as needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation, libssl3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
