#!/usr/bin/env bash
# Installs TamoruWatch for the current user, without root, through the build's CMake install
# rules (cmake/Install.cmake) with the prefix ~/.local:
#   ~/.local/share/tamoruwatch/        the program, tick.wav and default settings (kept if present)
#   ~/.local/bin/tamoruwatch           a link to start it from a terminal
#   ~/.local/share/applications/       the desktop entry
#   ~/.local/share/icons/hicolor/      the icon at 16, 32 and 48 pixels
#   ~/.local/share/metainfo/           the AppStream description
# What CMake cannot do is done here: CMake lists the files it placed in the build folder, where
# the next install (from any build, or a test) overwrites the list, and it does not know which
# folders it created. Both go to ~/.local/share/tamoruwatch/installed-files, which
# tools/uninstall.sh reads. Menus and icon themes pick the new files up by themselves.
#
#   tools/install.sh [BUILD]    BUILD: a configured and built build folder; build/ is built first
#                               when no folder is given
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"

build="${1:-}"
if [ -z "$build" ]; then
  "$source_dir/tools/install-deps.sh"
  "$source_dir/tools/build.sh"
  build="$source_dir/build"
fi
[ -f "$build/cmake_install.cmake" ] || { echo "not a build folder: $build" >&2; exit 1; }

prefix="$HOME/.local"
folder="$prefix/share/tamoruwatch"
manifest="$folder/installed-files"
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT

# A trial install into a staging folder shows which folders the install will need; those that
# do not exist yet are the ones it creates (outermost first, as find lists them).
DESTDIR="$staging" cmake --install "$build" --prefix "$prefix" >/dev/null
created=()
while IFS= read -r dir; do
  [ -d "$dir" ] || created+=("$dir")
done < <(cd "$staging" && find . -mindepth 1 -type d | sed 's/^\.//')

cmake --install "$build" --prefix "$prefix" >/dev/null

# A reinstall keeps the folders an earlier install created on the list.
if [ -f "$manifest" ]; then
  mapfile -t earlier < <(sed -n 's/^folder //p' "$manifest")
  created=("${earlier[@]}" "${created[@]}")
fi
{
  sed 's/^/file /' "$build/install_manifest.txt"
  echo
  [ ${#created[@]} -eq 0 ] || printf 'folder %s\n' "${created[@]}"
} | sed '/^$/d' >"$manifest.new"
mv "$manifest.new" "$manifest"

echo "Installed TamoruWatch in $folder; start it from the menu or with $prefix/bin/tamoruwatch"
