# 64-bit Windows with the mingw-w64 cross compiler (posix threads). Every
# module carries its own copy of libgcc, libstdc++ and winpthread, so a DLL
# needs nothing beside it but the system's and our own modules. Programs run
# under wine64 in a private prefix of the build folder, without a display, so
# no window can ever wait for a person.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VESK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VESK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESK_MINGW_PREFIX}-g++-posix)
set(CMAKE_ASM_COMPILER ${VESK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_RC_COMPILER ${VESK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VESK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static makes the driver take libgcc, libstdc++ and winpthread as archives;
# the system DLLs are still reached through their import libraries. A DLL
# without an explicit export list exports its own code, never what those
# archives brought in (two modules would then offer the same runtime).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,ALL")

include(${CMAKE_CURRENT_LIST_DIR}/VeskWineEmulator.cmake)
