# High warning level for our own targets; vendored code is left alone.
function(vesk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
endfunction()

# Code compiled into the component: hidden symbols (the library exports only
# CreateComponent) and assertions active in every build type.
function(vesk_component_code target)
  vesk_warnings(${target})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_compile_options(${target} PRIVATE -UNDEBUG)
  if(WIN32)
    # /GS and the line tables the DLL's PDB carries.
    target_compile_options(${target} PRIVATE -fstack-protector-strong -gcodeview -gline-tables-only)
  endif()
endfunction()
