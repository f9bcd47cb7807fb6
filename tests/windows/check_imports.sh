#!/usr/bin/env bash
# The component DLL's import table, as llvm-readobj prints it, holds only what
# a host built with Microsoft's compiler can satisfy: C++ names in Microsoft's
# decoration ("?...") and none in GCC's ("_Z..."), and the C and C++ runtime
# from msvcp140, vcruntime140 and ucrtbase (or the api-ms-win-crt-* sets),
# never from libstdc++, libgcc or winpthread. Prints the imports by module.
set -euo pipefail
readobj=$1
library=$2

imports=$("$readobj" --coff-imports "$library" |
  awk '/^ *Name: /{module=$2} /^ *Symbol: /{print module, $2}')
[ -n "$imports" ] || { echo "no imports read from $library"; exit 1; }

failed=0
itanium=$(awk '$2 ~ /^_Z/' <<<"$imports")
if [ -n "$itanium" ]; then
  echo "imports in GCC's C++ decoration:"; echo "$itanium"; failed=1
fi
gnu_runtime=$(awk 'tolower($1) ~ /^(libstdc\+\+|libgcc|libwinpthread|msvcrt\.dll)/' <<<"$imports")
if [ -n "$gnu_runtime" ]; then
  echo "imports from a runtime a host does not have:"; echo "$gnu_runtime"; failed=1
fi
# Every C++ name comes from a module built in Microsoft's ABI: the runtime's
# or ours.
cpp_modules=$(awk '$2 ~ /^\?/ {print tolower($1)}' <<<"$imports" | sort -u)
for module in $cpp_modules; do
  case $module in
    msvcp140*.dll|vcruntime140*.dll|imgui.dll|tinyxml2.dll|nym-game-vesk.dll|nym-core-vesk.dll|conhost-v2.dll|corert.dll) ;;
    *) echo "C++ names imported from $module"; failed=1 ;;
  esac
done
[ "$(awk '$2 ~ /^\?/' <<<"$imports" | wc -l)" -gt 0 ] || { echo "no C++ import at all: not the component"; failed=1; }

echo "imports by module (all / C++ names):"
awk '{all[$1]++; if ($2 ~ /^\?/) cpp[$1]++} END {for (m in all) printf "  %-22s %4d / %d\n", m, all[m], cpp[m]}' <<<"$imports" | sort
exit $failed
