# One interface target carries the language level and the warnings; every
# target of the project links it. Qt targets link Dorvanta::qt_options too.
add_library(dorvanta_options INTERFACE)
add_library(Dorvanta::options ALIAS dorvanta_options)
target_compile_features(dorvanta_options INTERFACE cxx_std_20)
set_target_properties(dorvanta_options PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
# Includes are written from the source root ("core/engine/Search.h").
target_include_directories(dorvanta_options INTERFACE ${PROJECT_SOURCE_DIR})
# Warnings and flags in each compiler's own form.
if(MSVC)
  target_compile_options(dorvanta_options INTERFACE
    /W4 /permissive- /utf-8 $<$<BOOL:${DORVANTA_WERROR}>:/WX>)
else()
  target_compile_options(dorvanta_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    $<$<BOOL:${DORVANTA_WERROR}>:-Werror>)
endif()

add_library(dorvanta_qt_options INTERFACE)
add_library(Dorvanta::qt_options ALIAS dorvanta_qt_options)
target_link_libraries(dorvanta_qt_options INTERFACE Dorvanta::options)
target_compile_definitions(dorvanta_qt_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER)

option(DORVANTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(DORVANTA_SANITIZE AND NOT MSVC)
  target_compile_options(dorvanta_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(dorvanta_options INTERFACE -fsanitize=address,undefined)
endif()

# The hardening that Debian's packages are built with (dpkg-buildflags with
# hardening=+all): fortified C library calls, stack protection, position-
# independent executables, read-only relocations resolved at start. The
# release and package presets turn it on.
option(DORVANTA_HARDEN "Build with the hardening flags of Debian's packages" OFF)
if(DORVANTA_HARDEN AND NOT MSVC AND NOT WIN32)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  target_compile_definitions(dorvanta_options INTERFACE _FORTIFY_SOURCE=2)
  target_compile_options(dorvanta_options INTERFACE
    -fstack-protector-strong -fstack-clash-protection
    $<$<STREQUAL:${CMAKE_SYSTEM_PROCESSOR},x86_64>:-fcf-protection>
    -Wformat -Werror=format-security)
  target_link_options(dorvanta_options INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
