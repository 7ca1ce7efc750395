# Installing (cmake --install) and the Debian package (cpack -G DEB): the two
# programs, the desktop entry that opens .vbp and .mak files, their MIME
# types, the icon and the manual page of plumora-cli.
include(GNUInstallDirs)

install(TARGETS plumora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/plumora-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET plumora)
  install(TARGETS plumora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/plumora.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/plumora-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME plumora.xml)
  # The program's own icon, the one its windows show (src/ui/icons).
  install(FILES ${CMAKE_SOURCE_DIR}/src/ui/icons/plumora.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/src/ui/icons/plumora-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plumora.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME plumora)
set(CPACK_PACKAGE_VENDOR "Plumora/VB")
set(CPACK_PACKAGE_CONTACT "Plumora/VB developers <plumora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "re-styles classic Visual Basic (VB3 to VB6) source code")
set(CPACK_PACKAGE_DESCRIPTION
    "Plumora/VB re-styles the source code of classic Visual Basic projects: block\n"
    "indentation, comments, blank lines, splitting of compound lines, alignment\n"
    "of declarations. It comes as a desktop program (plumora) and a command-line\n"
    "tool (plumora-cli) for editors, pre-commit hooks and CI.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The libraries the programs link (Qt, Hunspell, the C++ runtime) become the
# package's dependencies as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop needs a Qt platform plugin to show a window at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us")
set(CPACK_STRIP_FILES ON)
include(CPack)
