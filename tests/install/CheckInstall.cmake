# Installs the build in BUILD_DIR into PREFIX and fails unless every file
# stands where a Linux desktop looks for it: programs in bin, the desktop
# entry and the AppStream metadata (checked by desktop-file-validate and
# appstreamcli where they are installed), the icon in each hicolor size (its
# picture of that size), the manual pages, the README, the changelog and the
# copyright. The installed companion must start with its built-in catalogue.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

function(expect_file path)
  if(NOT EXISTS ${PREFIX}/${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endfunction()

expect_file(bin/dorvanta-cli)
expect_file(share/man/man1/dorvanta-cli.1.gz)
foreach(doc README.md changelog.gz copyright)
  expect_file(share/doc/dorvanta/${doc})
endforeach()
if(WITH_GUI)
  expect_file(bin/dorvanta)
  expect_file(share/applications/dorvanta.desktop)
  expect_file(share/man/man1/dorvanta.1.gz)
  set(metainfo share/metainfo/org.example.dorvanta.metainfo.xml)
  expect_file(${metainfo})
  foreach(size 16 32 48 64 128 256)
    set(icon share/icons/hicolor/${size}x${size}/apps/dorvanta.png)
    expect_file(${icon})
    # A PNG's width and height are the big-endian words at offset 16.
    file(READ ${PREFIX}/${icon} dimensions OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING ${dimensions} 0 8 widthHex)
    string(SUBSTRING ${dimensions} 8 8 heightHex)
    math(EXPR width "0x${widthHex}")
    math(EXPR height "0x${heightHex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
      message(SEND_ERROR "${icon} is ${width}x${height}")
    endif()
  endforeach()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE}
      ${PREFIX}/share/applications/dorvanta.desktop
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
      message(SEND_ERROR "desktop-file-validate: ${output}")
    endif()
  endif()
  if(APPSTREAMCLI AND EXISTS ${PREFIX}/${metainfo})
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${PREFIX}/${metainfo}
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output MATCHES "Validation was successful")
      message(SEND_ERROR "appstreamcli validate: ${output}")
    endif()
  endif()
endif()

execute_process(COMMAND ${PREFIX}/bin/dorvanta-cli info
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "using internal database" OR NOT output MATCHES "2072")
  message(SEND_ERROR "installed dorvanta-cli info: ${result}\n${output}${errors}")
endif()
