#!/usr/bin/env bash
# Installs TamoruWatch for the current user, without root:
#   ~/.local/share/tamoruwatch/        the program, tick.wav and default settings (kept if present)
#   ~/.local/bin/tamoruwatch           a link to start it from a terminal
#   ~/.local/share/applications/       the desktop entry
#   ~/.local/share/icons/hicolor/      the icon at 16, 32 and 48 pixels
#   ~/.local/share/metainfo/           the AppStream description
# (XDG_DATA_HOME replaces ~/.local/share when set.) What it placed is listed in
# ~/.local/share/tamoruwatch/installed-files, which tools/uninstall.sh reads. Menus and icon
# themes pick the new files up by themselves.
#
#   tools/install.sh [PROGRAM]    PROGRAM: an already built tamoruwatch; built first when absent
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
id=org.tamoruwatch.TamoruWatch

program="${1:-}"
if [ -z "$program" ]; then
  "$source_dir/tools/install-deps.sh"
  "$source_dir/tools/build.sh"
  program="$source_dir/build/tamoruwatch"
fi
[ -x "$program" ] || { echo "not a program: $program" >&2; exit 1; }

data="${XDG_DATA_HOME:-$HOME/.local/share}"
folder="$data/tamoruwatch"
manifest="$folder/installed-files"
placed=()   # files, in the order placed
created=()  # folders that did not exist before, outermost first

make_folder() {
  local missing=() dir="$1"
  while [ ! -d "$dir" ]; do missing=("$dir" "${missing[@]}"); dir="$(dirname "$dir")"; done
  [ ${#missing[@]} -eq 0 ] && return
  mkdir -p "$1"
  created+=("${missing[@]}")
}

place() {  # SOURCE TARGET [MODE]
  make_folder "$(dirname "$2")"
  install -m "${3:-644}" "$1" "$2"
  placed+=("$2")
}

# A desktop entry's Exec value for a path: quoted, with the characters the quoting reserves
# escaped, then escaped once more as a desktop-entry string.
exec_value() {
  local quoted
  quoted=$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g')
  printf '"%s"' "$quoted" | sed -e 's/\\/\\\\/g'
}

make_folder "$folder"
place "$program" "$folder/tamoruwatch" 755
place "$source_dir/assets/tick.wav" "$folder/tick.wav"
# The settings are the user's once they exist: never replaced, never listed for removal.
[ -e "$folder/TamoruWatch.ini" ] || install -m 644 "$source_dir/assets/TamoruWatch.ini" "$folder/"

make_folder "$HOME/.local/bin"
ln -sfn "$folder/tamoruwatch" "$HOME/.local/bin/tamoruwatch"
placed+=("$HOME/.local/bin/tamoruwatch")

entry="$(mktemp)"
trap 'rm -f "$entry"' EXIT
value=$(exec_value "$folder/tamoruwatch")
awk -v exec="$value" '{ sub(/@EXEC@/, exec); print }' \
  "$source_dir/assets/desktop/$id.desktop.in" >"$entry"
place "$entry" "$data/applications/$id.desktop"
for size in 16 32 48; do
  place "$source_dir/assets/icon-$size.png" "$data/icons/hicolor/${size}x$size/apps/tamoruwatch.png"
done
place "$source_dir/assets/desktop/$id.metainfo.xml" "$data/metainfo/$id.metainfo.xml"

# A reinstall keeps the folders an earlier install created on the list.
if [ -f "$manifest" ]; then
  mapfile -t earlier < <(sed -n 's/^folder //p' "$manifest")
  created=("${earlier[@]}" "${created[@]}")
fi
{
  printf 'file %s\n' "${placed[@]}"
  [ ${#created[@]} -eq 0 ] || printf 'folder %s\n' "${created[@]}"
} >"$manifest"

echo "Installed TamoruWatch in $folder; start it from the menu or with $HOME/.local/bin/tamoruwatch"
