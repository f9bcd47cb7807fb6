# 64-bit Windows in Microsoft's C++ ABI, as a host built with Microsoft's
# compiler has it: clang in its MSVC mode, lld-link, Microsoft's open-source
# STL (vendor/msvc-stl), Wine's C runtime headers, and import libraries for
# Wine's msvcp140.dll, vcruntime140.dll and ucrtbase.dll made at build time
# (msvc-runtime/). Release runtime only (_ITERATOR_DEBUG_LEVEL=0): there is no
# debug runtime under Wine. Programs run under wine64 in a private prefix of
# the build folder, without a display.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VESK_MSVC_ABI ON)

set(VESK_MSVC_TARGET x86_64-pc-windows-msvc)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_ASM_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${VESK_MSVC_TARGET})
set(CMAKE_CXX_COMPILER_TARGET ${VESK_MSVC_TARGET})
set(CMAKE_ASM_COMPILER_TARGET ${VESK_MSVC_TARGET})
set(CMAKE_RC_COMPILER llvm-rc)
set(CMAKE_LINKER lld-link)
set(CMAKE_AR llvm-ar)
set(CMAKE_MT llvm-mt)

# The compiler's checks compile only: linking needs the start-up part and the
# import libraries, which the build itself makes.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

get_filename_component(VESK_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
execute_process(COMMAND clang -print-resource-dir OUTPUT_VARIABLE VESK_CLANG_RESOURCE_DIR
  OUTPUT_STRIP_TRAILING_WHITESPACE)
set(VESK_WINE_INCLUDE /usr/include/wine/wine)

# Header search order: our runtime headers (they complete Wine's), the STL,
# clang's own headers, Wine's C runtime and Windows headers.
set(VESK_MSVC_INCLUDES
  ${VESK_SOURCE_DIR}/msvc-runtime/include
  ${VESK_SOURCE_DIR}/vendor/msvc-stl/stl/inc
  ${VESK_CLANG_RESOURCE_DIR}/include
  ${VESK_WINE_INCLUDE}/msvcrt
  ${VESK_WINE_INCLUDE}/windows)
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES ${VESK_MSVC_INCLUDES})
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${VESK_MSVC_INCLUDES})
set(CMAKE_RC_STANDARD_INCLUDE_DIRECTORIES ${VESK_WINE_INCLUDE}/windows)

# -nostdlibinc: no header of the Linux host. _DLL: the runtime is the DLLs'.
# Wine's <winnt.h> defines _InterlockedCompareExchange128 itself, which clang
# has as a builtin: Wine's goes under another name. WINE_UNICODE_NATIVE: WCHAR
# is wchar_t, as in Microsoft's headers. USE_COMPILER_EXCEPTIONS: Wine's
# <excpt.h> names the compiler's structured-exception intrinsics
# (GetExceptionCode), as Microsoft's does. The STL's vectorised
# algorithms live in Microsoft's static import library, which this build
# does not have: they stay off.
set(VESK_MSVC_FLAGS "-fms-compatibility -fms-extensions -fms-compatibility-version=19.32 -nostdlibinc \
-D_DLL -D_MT -D_ITERATOR_DEBUG_LEVEL=0 -D_USE_STD_VECTOR_ALGORITHMS=0 \
-D_InterlockedCompareExchange128=__wine_InterlockedCompareExchange128 -DWINE_UNICODE_NATIVE -DUSE_COMPILER_EXCEPTIONS")
set(CMAKE_C_FLAGS_INIT "${VESK_MSVC_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${VESK_MSVC_FLAGS} -fexceptions -fcxx-exceptions")
set(CMAKE_ASM_FLAGS_INIT "${VESK_MSVC_FLAGS}")

# lld-link through the driver, without the libraries the compiler names by
# default (libcmt, oldnames, msvcprt): the runtime is given explicitly. (The
# compile flags reach the link too, where -nostdlibinc has nothing to do.)
set(VESK_MSVC_LINK_FLAGS "-fuse-ld=lld -nostdlib -Wl,-nodefaultlib -Wno-unused-command-line-argument")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${VESK_MSVC_LINK_FLAGS} -Wl,-entry:mainCRTStartup -Wl,-subsystem:console")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${VESK_MSVC_LINK_FLAGS} -Wl,-entry:_DllMainCRTStartup")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${CMAKE_SHARED_LINKER_FLAGS_INIT}")

include(${CMAKE_CURRENT_LIST_DIR}/VeskWineEmulator.cmake)
set(CMAKE_MSVC_RUNTIME_LIBRARY MultiThreadedDLL)
