# Where a Linux desktop expects the program's files: the program and the
# companion in bin, the desktop entry and the icons under share, the README
# under share/doc/dorvanta. The catalogue file is looked for beside the
# program file, so an installed program reads bin/pnumbers.dat.
include(GNUInstallDirs)

if(TARGET dorvanta)
  install(TARGETS dorvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/dorvanta.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/dorvanta-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME dorvanta.png)
  endforeach()
endif()
install(TARGETS dorvanta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvanta)
