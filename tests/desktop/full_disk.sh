#!/usr/bin/env bash
# A full disk never costs the user their settings: with the settings file's file system full,
# changing a setting and closing leaves "TamoruWatch.ini" exactly as it was, with no temporary
# file beside it, and no message box; the next start reads the old settings.
source "$(dirname "$0")/lib.sh"

disk="$work/disk"
mkdir "$disk"
if ! mount -t tmpfs -o size=16m tmpfs "$disk" 2>/dev/null; then
  echo "SKIP: mounting a small tmpfs was refused (this test needs root and mount rights)"
  exit 77
fi
trap 'umount -l "$disk" 2>/dev/null || true; finish' EXIT
cp "$work/tamoruwatch" "$work/TamoruWatch.ini" "$work/tick.wav" "$disk/"
work="$disk"
cp "$work/TamoruWatch.ini" "$work/before.ini"
# Fill what is left: dd stops at ENOSPC.
dd if=/dev/zero of="$work/filler" bs=64k 2>/dev/null || true
[ "$(df --output=avail "$work" | tail -n 1)" -eq 0 ] || fail "the disk is not full"

start_program
choose_menu $menu_window_x Down Down Return   # 常に手前に表示: a setting that changes
close_and_wait
cmp "$work/TamoruWatch.ini" "$work/before.ini" || fail "the settings file changed on a full disk"
stray=$(find "$work" -name '.TamoruWatch.ini*')
[ -z "$stray" ] || fail "temporary files left behind: $stray"

# With room again, the same change is saved.
rm "$work/filler"
start_program
choose_menu $menu_window_x Down Down Return
close_and_wait
grep -qx 'WindowForceFront=1' "$work/TamoruWatch.ini" || fail "the change was not saved with room"
echo "desktop full disk: passed"
