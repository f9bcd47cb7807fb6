# The libraries of the Windows build, from the same Debian packages as on
# Linux: fmt, utf8-cpp and RapidJSON header-only, tinyxml2 built as a DLL from
# its source package (vendor/tinyxml2). The host's /usr/include must never be
# on a Windows include path, so each library's headers are reached through a
# folder of their own.
set(VESK_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${VESK_HOST_HEADERS})
foreach(library fmt rapidjson)
  if(NOT EXISTS /usr/include/${library})
    message(FATAL_ERROR "/usr/include/${library} missing: run scripts/bootstrap")
  endif()
  file(CREATE_LINK /usr/include/${library} ${VESK_HOST_HEADERS}/${library} SYMBOLIC)
endforeach()

add_library(vesk-fmt INTERFACE)
target_include_directories(vesk-fmt SYSTEM INTERFACE ${VESK_HOST_HEADERS})
target_compile_definitions(vesk-fmt INTERFACE FMT_HEADER_ONLY)
add_library(fmt::fmt ALIAS vesk-fmt)

set(UTFCPP_INCLUDE_DIR /usr/include/utf8cpp)
set(RAPIDJSON_INCLUDE_DIR ${VESK_HOST_HEADERS})
if(NOT EXISTS ${UTFCPP_INCLUDE_DIR}/utf8.h)
  message(FATAL_ERROR "utf8-cpp missing in ${UTFCPP_INCLUDE_DIR}: run scripts/bootstrap")
endif()

add_subdirectory(vendor/tinyxml2)
add_library(PkgConfig::TINYXML2 ALIAS tinyxml2)

# The private Wine prefix is made once, before anything runs in it: two
# programs starting a fresh prefix at the same time would race.
if(CMAKE_CROSSCOMPILING_EMULATOR AND VESK_WINEPREFIX AND NOT EXISTS ${VESK_WINEPREFIX}/system.reg)
  message(STATUS "Creating the Wine prefix ${VESK_WINEPREFIX}")
  # The registry reaches the disk when the prefix's wineserver ends.
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
    RESULT_VARIABLE wineboot_result OUTPUT_QUIET ERROR_QUIET TIMEOUT 300)
  execute_process(COMMAND env WINEPREFIX=${VESK_WINEPREFIX} ${VESK_WINESERVER} --wait TIMEOUT 300)
  if(NOT wineboot_result EQUAL 0 OR NOT EXISTS ${VESK_WINEPREFIX}/system.reg)
    message(FATAL_ERROR "wineboot could not create ${VESK_WINEPREFIX} (${wineboot_result})")
  endif()
endif()
