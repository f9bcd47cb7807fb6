# A module of the game's folder: a shared library named exactly as the
# framework names it (CoreRT.so, conhost-v2.so, ...), with that name as soname
# so that a loaded module is found again by name. Under Microsoft's ABI the
# module exports what its headers mark with its API macro (CORE_RT_API, ...).
function(vesk_module target file_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file_name})
  vesk_warnings(${target})
endfunction()

# Shared objects must resolve every symbol when they are linked, except under
# clang's sanitizers, whose runtime only the program carries.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
  set(VESK_NO_UNDEFINED "")
else()
  set(VESK_NO_UNDEFINED -Wl,--no-undefined)
endif()
