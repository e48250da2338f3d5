# The Debian package: terrovane_<version>_<arch>.deb, dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME terrovane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Terrovane developers")
set(CPACK_PACKAGE_CONTACT "${TERROVANE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TERROVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs and the report are Chinese: without a CJK font they show empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/debian/postinst
                                       ${CMAKE_CURRENT_SOURCE_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion program of a handheld earth resistance tester")
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Terrovane reads the up to 100 results stored in the handheld earth/ground
resistance tester through its USB serial bridge (CP210x), lists them, shows
them on a simulated instrument display, saves them as a spreadsheet
workbook, prints a test report, sets the instrument's clock and erases
results.
.
The package also holds terrovane-cli (the same from a terminal, with a
doctor that explains why no instrument is found), terrovane-sim (a
simulated instrument) and a udev rule that lets the logged-in user open
the instrument's port and keeps ModemManager off it.")
include(CPack)
