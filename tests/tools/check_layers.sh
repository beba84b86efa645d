#!/usr/bin/env bash
# Checks the layering of the source against the libraries CMakeLists.txt builds from it:
#   tamoru_logic     includes only the standard library, Qt Core and its own headers
#   tamoru_platform  includes no header of the window layer; the only place for X11/xcb/SDL2
#   tamoru_window    includes no X11, xcb, SDL2 or Qt Widgets header (those stay in platform/)
# and that every source file of the folders belongs to exactly one library.
#   check_layers.sh SOURCE_DIR QT_HEADERS_DIR
set -euo pipefail
source_dir="$1"
qt_headers="$2"
cd "$source_dir"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The files of one source list in CMakeLists.txt: sources_of TAMORU_LOGIC_SOURCES
sources_of() {
  awk -v list="$1" '
    $0 ~ "set\\(" list "$" || $0 ~ "set\\(" list " " { inside = 1; sub(".*set\\(" list, "") }
    inside { line = $0; done = sub(/\).*/, "", line); n = split(line, f, /[ \t]+/)
             for (i = 1; i <= n; i++) if (f[i] != "") print f[i]
             if (done) inside = 0 }' CMakeLists.txt
}
mapfile -t logic < <(sources_of TAMORU_LOGIC_SOURCES)
mapfile -t platform < <(sources_of TAMORU_PLATFORM_SOURCES)
mapfile -t window < <(sources_of TAMORU_WINDOW_SOURCES)
[ ${#logic[@]} -gt 0 ] && [ ${#platform[@]} -gt 0 ] && [ ${#window[@]} -gt 0 ] ||
  { echo "FAIL: source lists not found in CMakeLists.txt" >&2; exit 1; }

is_in() {  # NEEDLE LIST...
  local needle="$1" item
  shift
  for item in "$@"; do [ "$item" = "$needle" ] && return 0; done
  return 1
}
quoted_includes() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }
angle_includes() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$1"; }
is_moc() { [[ "$1" == *.moc || "$1" == moc_* ]]; }

for file in "${logic[@]}"; do
  while IFS= read -r header; do
    is_moc "$header" || is_in "$header" "${logic[@]}" || fail "$file (logic) includes \"$header\""
  done < <(quoted_includes "$file")
  while IFS= read -r header; do
    [[ "$header" =~ ^[a-z_]+$ ]] && continue                       # the standard library
    [ -f "$qt_headers/QtCore/${header#QtCore/}" ] && continue        # Qt Core
    fail "$file (logic) includes <$header>"
  done < <(angle_includes "$file")
done

for file in "${platform[@]}"; do
  while IFS= read -r header; do
    is_moc "$header" || is_in "$header" "${logic[@]}" "${platform[@]}" ||
      fail "$file (platform) includes \"$header\""
  done < <(quoted_includes "$file")
done

for file in "${window[@]}"; do
  while IFS= read -r header; do
    [[ "$header" =~ ^(X11/|xcb/|SDL2?/|SDL|QtWidgets/) ]] && fail "$file (window) includes <$header>"
    [ -f "$qt_headers/QtWidgets/$header" ] && fail "$file (window) includes <$header> of Qt Widgets"
  done < <(angle_includes "$file")
done

# Every C++ file of the subsystem folders is in exactly one library (main.cpp is the program).
while IFS= read -r file; do
  [ "$file" = shell/main.cpp ] && continue
  count=0
  for list in logic platform window; do
    declare -n members="$list"
    is_in "$file" "${members[@]}" && count=$((count + 1))
  done
  [ "$count" -eq 1 ] || fail "$file is in $count libraries"
done < <(find core laps dial shell platform -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)

[ "$failures" -eq 0 ] || exit 1
echo "layers: ${#logic[@]} logic, ${#platform[@]} platform, ${#window[@]} window files; ok"
