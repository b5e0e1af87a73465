# Makes the Debian package of the build in BUILD_DIR in WORK and fails when
# lintian reports an error or a warning about it. When the build is hardened
# (DORVANTA_HARDEN, the package and release presets) lintian's hardening
# hints, shown at the info level, fail it too.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${WORK}/*.deb)
if(NOT result EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack failed: ${result}\n${output}")
endif()

set(options --fail-on error,warning)
if(HARDENED)
  list(APPEND options --display-info)
endif()
execute_process(COMMAND ${LINTIAN} ${options} ${packages}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "lintian ${packages}:\n${output}")
if(NOT result EQUAL 0)
  message(SEND_ERROR "lintian reports errors or warnings")
endif()
if(output MATCHES "hardening-")
  message(SEND_ERROR "lintian reports a binary without Debian's hardening")
endif()
