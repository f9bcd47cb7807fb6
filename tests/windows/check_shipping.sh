#!/usr/bin/env bash
# The component DLL carries what Microsoft's tools give a module by default,
# as llvm-readobj prints it: a load configuration directory naming a stack
# cookie, the CET shadow-stack compatibility mark, and a debug directory
# whose CodeView entry names the PDB written beside the DLL.
set -euo pipefail
readobj=$1
library=$2
failed=0

config=$("$readobj" --coff-load-config "$library")
cookie=$(awk '/SecurityCookie:/{print $2; exit}' <<<"$config")
if [ -z "$cookie" ] || [ "$((cookie))" -eq 0 ]; then
  echo "no security cookie in the load configuration:"; echo "$config"; failed=1
fi

debug=$("$readobj" --coff-debug-directory "$library")
if ! grep -q "IMAGE_DLL_CHARACTERISTICS_EX_CET_COMPAT" <<<"$debug"; then
  echo "not marked CET-compatible:"; echo "$debug"; failed=1
fi
pdb=$(awk -F': ' '/PDBFileName:/{print $2; exit}' <<<"$debug")
if [ -z "$pdb" ] || ! grep -q "PDBGUID" <<<"$debug"; then
  echo "no CodeView entry with a build id:"; echo "$debug"; failed=1
elif [ ! -f "$(dirname "$library")/$(basename "${pdb//\\//}")" ]; then
  echo "the PDB $pdb is not beside $library"; failed=1
fi
[ "$failed" -eq 0 ] && echo "cookie $cookie, CET-compatible, PDB $pdb"
exit "$failed"
