# dorvanta-cli's catalogue handling end to end: export-catalogue, then info
# on the exported file, on a file that fails the check, on a file too short
# to read and on a missing one.
# Usage: cmake -DCLI=<dorvanta-cli> -DWORK=<scratch directory> -P CatalogueCommands.cmake

function(run expected_status)
  execute_process(COMMAND ${CLI} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "dorvanta-cli ${ARGN}: status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_equal actual expected what)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}:\n  got      [${actual}]\n  expected [${expected}]")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# A named catalogue file that is not there is an error with the system's text.
run(1 --catalogue ${WORK}/missing.dat info --format json)
expect_equal("${err}" "dorvanta-cli: ${WORK}/missing.dat: No such file or directory\n"
  "a missing named catalogue file")

# The built-in catalogue, when no pnumbers.dat stands beside the program.
run(0 info --format json)
string(REGEX MATCH "\"entries\":([0-9]+)" _ "${out}")
set(builtin ${CMAKE_MATCH_1})
expect_equal("${out}"
  "{\"note\":\" - [using internal database]\",\"entries\":${builtin},\"start_message\":\"\"}\n"
  "info without a catalogue file")
expect_equal("${err}" "" "standard error without a catalogue file")

run(0 export-catalogue ${WORK}/exported.dat)
file(SIZE ${WORK}/exported.dat size)
math(EXPR records "(${builtin} + 1) * 101")
expect_equal("${size}" "${records}" "size of the exported file")

run(0 --catalogue ${WORK}/exported.dat info --format json)
expect_equal("${out}"
  "{\"note\":\" - [using external database, version 2, date: 2004-04-13]\",\"entries\":${builtin},\"start_message\":\"\"}\n"
  "info on the exported file")
run(0 --catalogue ${WORK}/exported.dat info)
expect_equal("${out}"
  "Caption: Dorvanta - [using external database, version 2, date: 2004-04-13]\nEntries: ${builtin}\n"
  "info as text")

# 120 bytes without the signature: the built-in catalogue and the warning.
string(REPEAT "x" 120 wrong)
file(WRITE ${WORK}/wrong.dat "${wrong}")
set(message "Data file is not correct! Internal database will be used.")
run(0 --catalogue ${WORK}/wrong.dat info --format json)
expect_equal("${out}"
  "{\"note\":\" - [using internal database]\",\"entries\":${builtin},\"start_message\":\"${message}\"}\n"
  "info on a file that fails the check")
expect_equal("${err}" "${message}\n" "the warning on standard error")

# Shorter than one record: an input/output failure, status 1.
file(WRITE ${WORK}/short.dat "short")
run(1 --catalogue ${WORK}/short.dat info)
expect_equal("${out}" "" "output after a read failure")
if(NOT err MATCHES "short.dat: Input/output error")
  message(FATAL_ERROR "no system text for the read failure: ${err}")
endif()

# An export that cannot be written says why and fails.
run(1 export-catalogue ${WORK}/missing/exported.dat)
if(NOT err MATCHES "No such file or directory")
  message(FATAL_ERROR "no system text for the failed export: ${err}")
endif()
file(REMOVE_RECURSE ${WORK})
