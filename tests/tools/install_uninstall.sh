#!/usr/bin/env bash
# Installs from the build folder for a user whose home holds a space and already has files of
# its own, checks what was placed, then uninstalls and checks that exactly that is gone.
set -euo pipefail
build="$1"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
export HOME="$root/home of tester"
unset XDG_DATA_HOME
data="$HOME/.local/share"
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$data/applications" "$HOME/.local/bin"
echo "[Desktop Entry]" >"$data/applications/other.desktop"
snapshot() { (cd "$HOME" && find . | LC_ALL=C sort); }
before="$(snapshot)"

"$source_dir/tools/install.sh" "$build" >/dev/null
id=org.tamoruwatch.TamoruWatch
folder="$data/tamoruwatch"
for f in "$folder/tamoruwatch" "$folder/tick.wav" "$folder/TamoruWatch.ini" \
         "$data/applications/$id.desktop" "$data/metainfo/$id.metainfo.xml" \
         "$data/icons/hicolor/16x16/apps/tamoruwatch.png" \
         "$data/icons/hicolor/32x32/apps/tamoruwatch.png" \
         "$data/icons/hicolor/48x48/apps/tamoruwatch.png"; do
  [ -s "$f" ] || fail "missing $f"
done
cmp -s "$folder/TamoruWatch.ini" "$source_dir/assets/TamoruWatch.ini" || fail "default settings differ"
[ -L "$HOME/.local/bin/tamoruwatch" ] &&
  [ "$(readlink -f "$HOME/.local/bin/tamoruwatch")" = "$(readlink -f "$folder/tamoruwatch")" ] ||
  fail "no link in ~/.local/bin"
grep -q 'TamoruWatch.ini' "$folder/installed-files" && fail "the settings file is listed for removal"
grep -q '<release version="1.1.0"' "$data/metainfo/$id.metainfo.xml" || fail "no release 1.1.0"
for size in 16 32 48; do
  identify -format '%wx%h' "$data/icons/hicolor/${size}x$size/apps/tamoruwatch.png" |
    grep -qx "${size}x$size" || fail "icon of size $size is not $size pixels"
done

entry="$data/applications/$id.desktop"
desktop-file-validate "$entry" | grep -v ': hint: ' && fail "desktop entry not valid"
appstreamcli validate --no-net "$data/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "metainfo not valid: $(appstreamcli validate --no-net "$data/metainfo/$id.metainfo.xml")"
grep -qx 'Name=Tamoru Watch' "$entry" || fail "English name"
grep -q '^Name\[ja\]=' "$entry" && grep -q '^Comment=' "$entry" && grep -q '^Comment\[ja\]=' "$entry" ||
  fail "names and comments in both languages"
# The Exec line, unquoted as a launcher would, names the installed program (home has a space).
exec_line="$(sed -n 's/^Exec=//p' "$entry")"
[ "$exec_line" = "\"$folder/tamoruwatch\"" ] || fail "Exec=$exec_line"

# The installed program starts from its folder and finds its files there.
(cd / && QT_QPA_PLATFORM=offscreen timeout 2 "$HOME/.local/bin/tamoruwatch" >"$root/out.log" 2>&1) || true
grep -q 'CODE' "$root/out.log" && fail "installed program reported: $(cat "$root/out.log")"

# A second install over changed settings keeps them, restores a shipped file the user removed,
# and lists the same files; the list survives the build folder's own being overwritten.
sed -i 's/^LapType=.*/LapType=3/' "$folder/TamoruWatch.ini"
echo "; my note" >>"$folder/TamoruWatch.ini"
cp "$folder/TamoruWatch.ini" "$root/settings"
cp "$folder/installed-files" "$root/first-list"
rm "$folder/tick.wav"
echo "not a manifest" >"$build/install_manifest.txt"
"$source_dir/tools/install.sh" "$build" >/dev/null
cmp -s "$folder/TamoruWatch.ini" "$root/settings" || fail "reinstall replaced the settings"
[ -s "$folder/tick.wav" ] || fail "reinstall did not restore tick.wav"
cmp -s "$folder/installed-files" "$root/first-list" ||
  fail "reinstall changed the list: $(diff "$root/first-list" "$folder/installed-files")"
echo "not a manifest" >"$build/install_manifest.txt"

"$source_dir/tools/uninstall.sh" >/dev/null
cmp -s "$folder/TamoruWatch.ini" "$root/settings" || fail "uninstall touched the settings"
rm "$folder/TamoruWatch.ini" && rmdir "$folder"  # kept only for the settings
after="$(snapshot)"
[ "$before" = "$after" ] || fail "uninstall left or removed other things: $(diff <(echo "$before") <(echo "$after"))"
echo "install and uninstall: ok"
