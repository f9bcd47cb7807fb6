#!/usr/bin/env bash
# The naked assertion hooks carry unwind entries, as llvm-readobj prints the
# object's: AssertionFailed's prologue allocates 40 bytes, and _wassert has
# an entry of its own. Without them the system's unwinder takes a hook's
# frame for a leaf and reads a return address from the report's spill room.
set -euo pipefail
readobj=$1
shift
object=
# CMake may hand the object list over as one ';'-separated argument.
for argument in "$@"; do
  IFS=';' read -r -a candidates <<<"$argument"
  for candidate in "${candidates[@]}"; do
    case "$candidate" in *AssertionHook.cpp.obj) object=$candidate ;; esac
  done
done
[ -n "$object" ] || { echo "no AssertionHook object among the arguments"; exit 1; }

unwind=$("$readobj" --unwind "$object")
hook=$(awk '/StartAddress: \?AssertionFailed@/{found=1} found&&/ALLOC_SMALL size=40/{print "ok"; exit} found&&/^  }/{exit}' <<<"$unwind")
if [ "$hook" != ok ]; then
  echo "AssertionFailed has no unwind entry allocating 40 bytes:"; echo "$unwind"; exit 1
fi
if ! grep -q "StartAddress: _wassert" <<<"$unwind"; then
  echo "_wassert has no unwind entry:"; echo "$unwind"; exit 1
fi
echo "AssertionFailed and _wassert carry unwind entries"
