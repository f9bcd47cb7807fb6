# Writes a module definition (.def) listing every export of a DLL, as
# llvm-readobj prints them, and turns it into an import library with
# llvm-dlltool. Names another DLL already provides can be left out
# (EXCLUDE_DEF), so that each import binds to the module that owns it.
#
#   cmake -DREADOBJ=... -DDLLTOOL=... -DDLL=path/x.dll -DDEF=out/x.def
#         -DLIB=out/x.lib [-DEXCLUDE_DEF=out/y.def] -P MakeImportLibrary.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${READOBJ} --coff-exports ${DLL}
  OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "llvm-readobj could not read ${DLL}")
endif()
string(REGEX MATCHALL "Name: [^\n]+" lines "${listing}")
set(excluded)
if(EXCLUDE_DEF)
  file(STRINGS ${EXCLUDE_DEF} excluded REGEX "^  ")
  list(TRANSFORM excluded STRIP)
endif()
get_filename_component(dll_name ${DLL} NAME)
set(text "LIBRARY ${dll_name}\nEXPORTS\n")
foreach(line ${lines})
  string(REGEX REPLACE "^Name: " "" name "${line}")
  if(NOT name IN_LIST excluded)
    string(APPEND text "  ${name}\n")
  endif()
endforeach()
file(WRITE ${DEF} "${text}")
execute_process(COMMAND ${DLLTOOL} -m i386:x86-64 -d ${DEF} -l ${LIB} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "llvm-dlltool could not make ${LIB}")
endif()
