#!/usr/bin/env bash
# ﾀｲﾑｼｰﾄ書き出し through the real save dialog: Ctrl+S after a run opens it, a typed name gets
# the filter's extension (XDTS), a typed .csv chooses CSV, the second dialog opens in the folder
# of the first export, and an existing file is replaced only when the user says so.
source "$(dirname "$0")/lib.sh"

dialog() {  # waits for the save dialog and types NAME into it
  local box
  box=$(timeout 20 xdotool search --sync --onlyvisible --name '^ﾀｲﾑｼｰﾄ書き出し$' | head -n 1 || true)
  [ -n "$box" ] || fail "no save dialog"
  sleep 0.5
  xdotool windowactivate --sync "$box" key ctrl+a type --delay 20 "$1"
  xdotool key Return
  sleep 1
}

start_program
click_client 62 316      # Start
sleep 1.2
click_client 190 316     # a lap
sleep 0.8
click_client 62 316      # Stop
sleep 0.3

xdotool key ctrl+s
mkdir "$work/sheets"
dialog "$work/sheets/c01"
[ -f "$work/sheets/c01.xdts" ] || fail "no c01.xdts: $(ls "$work/sheets")"
python3 - "$work/sheets/c01.xdts" <<'PY' || fail "the XDTS file does not read back"
import json, sys
data = open(sys.argv[1], encoding="utf-8").read()
first, rest = data.split("\n", 1)
assert first == "exchangeDigitalTimeSheet Save Data", first
sheet = json.loads(rest)
table = sheet["timeTables"][0]
frames = table["fields"][0]["tracks"][0]["frames"]
assert table["name"] == "c01" and table["duration"] >= 40, table
assert [f["data"][0]["values"][0] for f in frames] == ["1", "2", "SYMBOL_NULL_CELL"], frames
PY

xdotool key ctrl+s
dialog "c01.csv"         # relative: the dialog opened in the folder of the last export
[ -f "$work/sheets/c01.csv" ] || fail "no c01.csv in the last folder: $(ls "$work/sheets")"
head -c 3 "$work/sheets/c01.csv" | od -An -tx1 | grep -q 'ef bb bf' || fail "the CSV has no BOM"
[ "$(wc -l <"$work/sheets/c01.csv")" = 3 ] || fail "the CSV does not hold a header and two rows"

before=$(md5sum <"$work/sheets/c01.xdts")
xdotool key ctrl+s
dialog "c01"
question=$(timeout 10 xdotool search --sync --onlyvisible --name '^TamoruWatch$' | head -n 1 || true)
[ -n "$question" ] || fail "no question before replacing c01.xdts"
xdotool windowactivate --sync "$question" key Escape   # No
sleep 0.5
[ "$(md5sum <"$work/sheets/c01.xdts")" = "$before" ] || fail "replaced without a yes"

close_and_wait
echo "desktop timesheet export: passed"
