# Installing and packaging the program.
#   cmake --install <build> --prefix <dir>   the program, its readme, desktop entry,
#                                            icons and AppStream metainfo
#   cpack -G DEB  (in <build>)               a Debian package of the same
include(GNUInstallDirs)

set(QUIB_APP_ID org.example.quibconfigurator)
install(TARGETS quib-configurator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
  # The About page opens the readme beside the program.
  install(FILES ${CMAKE_SOURCE_DIR}/resources/readme.txt DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  # The About page finds the readme here from the program's folder.
  install(FILES ${CMAKE_SOURCE_DIR}/resources/readme.txt
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quib-configurator)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/linux/${QUIB_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/linux/${QUIB_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/quib-configurator.svg
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/quib-configurator.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME quib-configurator)
set(CPACK_PACKAGE_VENDOR "The Configurator Team")
set(CPACK_PACKAGE_CONTACT "The Configurator Team <configurator@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor for the Quib emulator of 8-bit game machines")
set(CPACK_PACKAGE_DESCRIPTION
    "Quib Configurator shows every setting of the Quib emulator on one tabbed window and writes the emulator's settings files back, keeping their comments. It edits blitters and themes, with a preview of the chosen theme.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://configurator.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links to are found by dpkg-shlibdeps. Qt loads its
# platform plugins (the X11 and Wayland windows) at run time, which no tool
# can see: that package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The program's own translations are compiled into it; Qt's texts of its
# standard buttons and dialogs in the user's language come with Debian's
# qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
include(CPack)
