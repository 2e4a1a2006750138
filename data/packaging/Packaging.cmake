# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The mousecfg developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure a wireless gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
    "mousecfg sets the DPI stages, the function of every button, recorded macros\n"
    "and recoil patterns, the lighting and the sensor settings of a wireless gaming\n"
    "mouse, through its USB receiver or its cable. It keeps five on-board profiles\n"
    "and a library of profile files, shows the battery level and lives in the\n"
    "system tray. mousecfg-cli does the same from scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found by dpkg-shlibdeps: Qt's Wayland plugin, so that the window runs natively
# on GNOME and Plasma under Wayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qtwayland5")
# Chinese and Japanese glyphs, which the skin's font lacks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
# A tray host for GNOME, which has none of its own.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/data/packaging/postinst ${CMAKE_SOURCE_DIR}/data/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
