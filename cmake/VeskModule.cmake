# A module of the game's folder: a shared library named exactly as the
# framework names it (CoreRT.so, conhost-v2.so, ...), with that name as soname
# so that a loaded module is found again by name.
function(vesk_module target file_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file_name})
  vesk_warnings(${target})
  if(VESK_MSVC_ABI)
    # Microsoft's linker exports nothing by itself: every function and
    # variable the module defines is exported; variables are imported by
    # their users through the module's header (dllimport).
    set_target_properties(${target} PROPERTIES WINDOWS_EXPORT_ALL_SYMBOLS ON)
  endif()
endfunction()
