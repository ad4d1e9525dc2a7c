# The Debian package: cpack -G DEB in the build folder writes vesk_<version>_<arch>.deb with both
# programs, the desktop entry, the icons, the AppStream metainfo and the manual pages. Its library
# dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME vesk)
set(CPACK_PACKAGE_VENDOR "vesk developers")
set(CPACK_PACKAGE_CONTACT "vesk developers <vesk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar body outline designer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "vesk fits a smooth outline through a guitar body's length and the widths of its bouts and waist, "
    "draws it to scale with the soundhole and the fingerboard, and saves designs. vesk-cli does the "
    "same from the command line and writes true-scale SVG, DXF and tiled PDF templates.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time; the window needs the X11 (or Wayland) one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(GNUInstallDirs)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

include(CPack)
