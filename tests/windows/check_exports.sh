#!/usr/bin/env bash
# The component DLL exports CreateComponent and nothing else, as the system's
# tools print its export table.
set -euo pipefail
objdump=$1
library=$2

exports=$("$objdump" -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && NR > 1 {print $NF}')
if [ "$exports" != "CreateComponent" ]; then
  echo "expected CreateComponent as the only export of $library, found:"
  echo "${exports:-<none>}"
  exit 1
fi
echo "CreateComponent is the only export"
