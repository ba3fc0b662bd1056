#!/usr/bin/env bash
# rebuild_keeps_user_library.sh BUILD_DIR CORE_SOURCE
# The shape library in the build tree's program folder is the user's: the
# program seeds it from the shipped one, the user adds a shape, and building
# the shipped data again after a core source changed leaves it byte for byte.
set -euo pipefail
build=$1
source=$2
fail() { echo "FAIL: $*"; exit 1; }
bin=$build/bin
shipped=$build/share/quillmaze/QZFLAY.DAT
user=$bin/QZFLAY.DAT

tmp=$(mktemp -d)
# The library there belongs to whoever uses this build tree: put it back.
[ -e "$user" ] && cp -p "$user" "$tmp/kept"
stamp=$(stat -c %y "$source")
restore() {
  touch -d "$stamp" "$source"
  if [ -e "$tmp/kept" ]; then cp -p "$tmp/kept" "$user"; else rm -f "$user"; fi
  rm -rf "$tmp"
}
trap restore EXIT

rm -f "$user"
env -u QUILLMAZE_PROGRAM_DIR QT_QPA_PLATFORM=offscreen "$bin/qmaze" list --collection "$tmp/NONE.QZ3" >/dev/null 2>&1 || true
cmp -s "$user" "$shipped" || fail "the program folder was not seeded from the shipped library"

# The user's shape: the first shipped shape under the name "My Own Shape".
{ printf '\014My Own Shape'; head -c 38 /dev/zero; head -c 2555 "$shipped" | tail -c +52; } >>"$user"
cp "$user" "$tmp/expected"

touch "$source"
cmake --build "$build" --target shape_library layout_library sample_collection program_data >"$tmp/build.log" 2>&1 \
  || { cat "$tmp/build.log"; fail "the rebuild failed"; }
[ "$shipped" -nt "$tmp/expected" ] || fail "the rebuild did not write the shipped library again"
cmp "$user" "$tmp/expected" || fail "the rebuild changed the user's shape library"
echo "user library survives the rebuild: ok"
