#!/usr/bin/env bash
# installed_program_test.sh BUILD_DIR PLUGIN_DIR
# Installs the build into a temporary prefix and uses it as a desktop does:
# the desktop entry and the metainfo pass their validators, the icons are
# there, collection, shape and layout files get their MIME types from the
# installed database, and the program, run from the install made read-only,
# opens the shipped sample named on its command line and saves a new shape
# into the per-user folder, writing nothing into the install.
set -euo pipefail
build=$1
plugins=$2
app=org.quillmaze.Quillmaze
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli update-mime-database xdg-mime mimetype; do
  command -v $tool >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
data=$share/quillmaze
[ ! -e "$prefix/bin/program-folder.txt" ] || fail "the install has the build tree's program-folder marker"

desktop-file-validate "$share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" || fail "metainfo"
for icon in apps/$app mimetypes/application-x-quillmaze-collection mimetypes/application-x-quillmaze-shape \
            mimetypes/application-x-quillmaze-layout; do
  [ -s "$share/icons/hicolor/scalable/$icon.svg" ] || fail "no scalable icon $icon"
  for size in 16 32 48 256; do
    file "$share/icons/hicolor/${size}x$size/$icon.png" | grep -q "PNG image data, $size x $size" \
      || fail "no $size pixel icon $icon"
  done
done

update-mime-database "$share/mime"
export XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME=$tmp/home/.local/share HOME=$tmp/home XDG_CURRENT_DESKTOP=
mkdir -p "$tmp/files"
head -c 95830 "$data/SAMPLE.QZ3" >"$tmp/files/PUZZLES.QZ3"
head -c 95830 "$data/SAMPLE.QZ3" >"$tmp/files/lower.qz3"
{ printf 'LAY1.0'; head -c 2555 "$data/QZFLAY.DAT"; } >"$tmp/files/HEART.LAY"
{ printf 'PAG1.0'; head -c 28868 "$data/QZFPAGE.DAT"; } >"$tmp/files/page.pag"
expect_type() {
  local got
  got=$(xdg-mime query filetype "$tmp/files/$1")
  [ "$got" = "$2" ] || fail "$1 has the type '$got', expected $2"
}
expect_type PUZZLES.QZ3 application/x-quillmaze-collection
expect_type lower.qz3 application/x-quillmaze-collection
expect_type HEART.LAY application/x-quillmaze-shape
expect_type page.pag application/x-quillmaze-layout

# The program from the read-only install, started in a start directory of
# its own (no tip of the day) with the shipped sample on its command line.
start=$tmp/start
mkdir -p "$start"
printf '[Misc]\r\nShow Tips=No\r\n' >"$start/QMAZE3.INI"
chmod -R a-w "$prefix"
listing() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
listing >"$tmp/before"
(cd "$start" && env -u QUILLMAZE_PROGRAM_DIR QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins" \
   QT_QPA_GENERIC_PLUGINS=quillmazedriver timeout -s KILL 120 "$prefix/bin/quillmaze" "$data/SAMPLE.QZ3") \
  >"$tmp/run.log" 2>&1 || { cat "$tmp/run.log"; fail "the installed program did not end normally"; }
cat "$tmp/run.log"
grep -qx 'caption: Quillmaze 98 (SAMPLE)' "$tmp/run.log" || fail "caption"
grep -qx 'categories: Animals|Geography|Holidays|Science' "$tmp/run.log" || fail "categories of SAMPLE.QZ3"
grep -q '^puzzles: .\+' "$tmp/run.log" || fail "no puzzles listed"
grep -qx 'driver: shape saved' "$tmp/run.log" || fail "the new shape was not saved"
grep -q '^shapes: .*30x30 Installed Kite' "$tmp/run.log" || fail "the new shape is not listed"

user=$XDG_DATA_HOME/Quillmaze
shipped=$(stat -c %s "$data/QZFLAY.DAT")
[ "$(stat -c %s "$user/QZFLAY.DAT")" -eq $((shipped + 2555)) ] || fail "the per-user shape library does not hold one more shape"
cmp -s -n "$shipped" "$user/QZFLAY.DAT" "$data/QZFLAY.DAT" || fail "the shipped shapes were not seeded"
tail -c 2555 "$user/QZFLAY.DAT" | grep -qa 'Installed Kite' || fail "the saved shape is not the last record"
cmp -s "$user/QZFPAGE.DAT" "$data/QZFPAGE.DAT" || fail "the layout library was not seeded"
grep -qa "^Last Group=$data/SAMPLE.QZ3" "$start/QMAZE3.INI" || fail "the sample is not the current collection"
listing | diff "$tmp/before" - || fail "the program changed its install"
echo "installed program: ok"
