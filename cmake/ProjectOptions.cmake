# One interface target carries the language level and the warnings; every
# target of the project links it. Qt targets link dorvanta_qt_options too.
add_library(dorvanta_options INTERFACE)
add_library(Dorvanta::options ALIAS dorvanta_options)
target_compile_features(dorvanta_options INTERFACE cxx_std_20)
set_target_properties(dorvanta_options PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
target_compile_options(dorvanta_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  $<$<BOOL:${DORVANTA_WERROR}>:-Werror>)

add_library(dorvanta_qt_options INTERFACE)
add_library(Dorvanta::qt_options ALIAS dorvanta_qt_options)
target_link_libraries(dorvanta_qt_options INTERFACE dorvanta_options)
target_compile_definitions(dorvanta_qt_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER)

option(DORVANTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(DORVANTA_SANITIZE)
  target_compile_options(dorvanta_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(dorvanta_options INTERFACE -fsanitize=address,undefined)
endif()
