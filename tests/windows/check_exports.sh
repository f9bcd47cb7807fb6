#!/usr/bin/env bash
# The component DLL exports CreateComponent and nothing else, as
# llvm-readobj prints its export table.
set -euo pipefail
readobj=$1
library=$2

exports=$("$readobj" --coff-exports "$library" | awk '/^ *Name: ./{print $2}') # (an unused ordinal has no name)
if [ "$exports" != "CreateComponent" ]; then
  echo "expected CreateComponent as the only export of $library, found:"
  echo "${exports:-<none>}"
  exit 1
fi
echo "CreateComponent is the only export"
