# For the Windows toolchains: programs run under wine64 in a private prefix
# of the build folder, without a display, so no window can ever wait for a
# person; wine-run.sh starts again a Wine process that died before printing
# anything.
find_program(VESK_WINE64 wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_CMAKE_FIND_ROOT_PATH)
find_program(VESK_WINESERVER wineserver PATHS /usr/lib/wine /usr/lib64/wine NO_CMAKE_FIND_ROOT_PATH)
if(VESK_WINE64 AND VESK_WINESERVER)
  set(VESK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    env -u DISPLAY -u WAYLAND_DISPLAY
    WINEPREFIX=${VESK_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml,winedbg.exe=
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${VESK_WINE64})
endif()
