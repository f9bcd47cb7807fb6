#!/usr/bin/env bash
# The built component exports CreateComponent and nothing else of ours, and
# carries its manifest byte for byte.
set -euo pipefail
library=$1
manifest=$2

exports=$(nm -D --defined-only "$library" | awk '{print $3}')
if [ "$exports" != "CreateComponent" ]; then
  echo "expected CreateComponent as the only export, found:"
  echo "$exports"
  exit 1
fi

embedded=$(mktemp)
trap 'rm -f "$embedded"' EXIT
objcopy -O binary --only-section=.qocomponent "$library" "$embedded"
if ! cmp "$embedded" "$manifest"; then
  echo "the .qocomponent section differs from $manifest"
  exit 1
fi
echo "exports and manifest as expected"
