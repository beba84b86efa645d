#!/usr/bin/env bash
# Removes what tools/install.sh placed for the current user, and nothing else: the settings file
# TamoruWatch.ini stays, and with it the program folder.
set -euo pipefail
folder="$HOME/.local/share/tamoruwatch"
manifest="$folder/installed-files"
[ -f "$manifest" ] || { echo "TamoruWatch is not installed in $folder" >&2; exit 1; }

sed -n 's/^file //p' "$manifest" | while IFS= read -r path; do rm -f -- "$path"; done
# The folders the install created, innermost first, where nothing else has moved in since.
folders="$(sed -n 's/^folder //p' "$manifest")"
rm -f -- "$manifest"
printf '%s\n' "$folders" | tac | while IFS= read -r dir; do
  [ -n "$dir" ] && rmdir -- "$dir" 2>/dev/null || true
done
echo "Removed TamoruWatch$([ -e "$folder/TamoruWatch.ini" ] && echo "; the settings stay in $folder")"
