# The program's version, set once by project(): a generated header carries it
# as the file version that the about window and the report read.
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProgramVersion.h.in
  ${PROJECT_BINARY_DIR}/generated/ProgramVersion.h @ONLY)
add_library(dorvanta_version INTERFACE)
add_library(Dorvanta::version ALIAS dorvanta_version)
target_include_directories(dorvanta_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
