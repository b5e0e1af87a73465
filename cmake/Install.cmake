# Where a Linux desktop expects the program's files: the program and the
# companion in bin, the desktop entry, the AppStream metadata and the icons
# under share, the manual pages in share/man/man1, the README, the changelog
# and the copyright under share/doc/dorvanta. The catalogue file is looked for
# beside the program file, so an installed program reads bin/pnumbers.dat.
include(GNUInstallDirs)

# The manual pages and the changelog are installed compressed, as Debian's
# tools want them: `gzip -9n` (best compression, no name or time stamp, so
# that two builds give the same bytes).
find_program(GZIP_PROGRAM gzip REQUIRED)
find_program(HELP2MAN help2man REQUIRED)
set(doc_build_dir ${PROJECT_BINARY_DIR}/doc)

function(dorvanta_compressed_copy source name)
  add_custom_command(
    OUTPUT ${doc_build_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${doc_build_dir}/${name}
    COMMAND ${GZIP_PROGRAM} -9nf ${doc_build_dir}/${name}
    DEPENDS ${source}
    VERBATIM)
endfunction()

# dorvanta-cli's page is its --help, put in the manual page form by help2man.
add_custom_command(
  OUTPUT ${doc_build_dir}/dorvanta-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
    ${HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
      "--name=command-line companion of the Dorvanta capacitor selection wizard"
      --output=${doc_build_dir}/dorvanta-cli.1 $<TARGET_FILE:dorvanta-cli>
  COMMAND ${GZIP_PROGRAM} -9nf ${doc_build_dir}/dorvanta-cli.1
  DEPENDS dorvanta-cli
  COMMENT "Writing the manual page of dorvanta-cli"
  VERBATIM)
dorvanta_compressed_copy(${PROJECT_SOURCE_DIR}/resources/debian/changelog changelog)
set(doc_files ${doc_build_dir}/dorvanta-cli.1.gz ${doc_build_dir}/changelog.gz)
if(TARGET dorvanta)
  dorvanta_compressed_copy(${PROJECT_SOURCE_DIR}/resources/man/dorvanta.1 dorvanta.1)
  list(APPEND doc_files ${doc_build_dir}/dorvanta.1.gz)
endif()
add_custom_target(dorvanta_doc_files ALL DEPENDS ${doc_files})

if(TARGET dorvanta)
  install(TARGETS dorvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/dorvanta.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.example.dorvanta.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/dorvanta-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME dorvanta.png)
  endforeach()
  install(FILES ${doc_build_dir}/dorvanta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(TARGETS dorvanta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${doc_build_dir}/dorvanta-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES
  ${PROJECT_SOURCE_DIR}/README.md
  ${PROJECT_SOURCE_DIR}/resources/debian/copyright
  ${doc_build_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvanta)
