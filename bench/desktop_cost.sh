#!/usr/bin/env bash
# What the stopwatch costs on a real desktop: CPU of the program plus the X server over 10 s
# (running with every panel shown, stopped, running minimised), start-up time to a mapped
# window, resident memory 3 s after start, and the same figures for the peers GNOME Clocks and
# Kronometer when they are installed (Debian's gnome-clocks and kronometer packages). Medians of
# 3 (start-up: of 5). Run it on a private desktop, in a D-Bus session for the peers:
#
#   tools/with-desktop.sh dbus-run-session -- bench/desktop_cost.sh build/tamoruwatch
source "$(dirname "$0")/cost_lib.sh"

echo "TamoruWatch ($(realpath "$program")), ${seconds} s per CPU sample"
for scenario in running stopped minimised; do
  samples=()
  for _ in 1 2 3; do
    start_tamoru
    sleep 1
    [ "$scenario" != stopped ] && click_start_tamoru
    [ "$scenario" = minimised ] && minimise
    sleep 1
    samples+=("$(measure_cpu)")
    stop_app
  done
  report_median "CPU % (${scenario/minimised/running, minimised})" "${samples[@]}"
done

startups=(); memory=()
for _ in 1 2 3 4 5; do
  start_tamoru
  startups+=("$startup_ms")
  sleep 3
  memory+=("$(rss_mb)")
  stop_app
done
report_median "start-up to mapped window, ms" "${startups[@]}"
report_median "resident memory after 3 s, MB" "${memory[@]}"

# With 1,000 laps in the list the running cost must not grow.
samples=()
for _ in 1 2 3; do
  start_tamoru
  sleep 1
  click_start_tamoru
  click_tamoru 190 --repeat 1000 --delay 5
  sleep 1
  samples+=("$(measure_cpu)")
  stop_app
done
report_median "CPU % running with 1,000 laps" "${samples[@]}"

# The peers, driven the way a user would start their stopwatch.
start_clocks() {  # the Stopwatch page, then its Start button
  xdotool mousemove --window "$window" 510 27 click 1
  sleep 1
  xdotool mousemove --window "$window" 323 400 click 1
}
start_kronometer() {
  xdotool windowactivate --sync "$window"
  xdotool key space
}

peer() {  # NAME WINDOW START-FUNCTION COMMAND...
  local name="$1" found_by="$2" start="$3"
  shift 3
  command -v "${@: -1}" >/dev/null || { echo "$name: not installed, skipped"; return; }
  local startups=() memory=() running=()
  for _ in 1 2 3; do
    launch "$found_by" "$@"
    if [ -z "$window" ]; then
      echo "$name: no window mapped within ${startup_ms} ms, skipped"
      stop_app
      return
    fi
    startups+=("$startup_ms")
    sleep 3
    memory+=("$(rss_mb)")
    "$start"
    sleep 1
    running+=("$(measure_cpu)")
    stop_app
  done
  report_median "$name start-up ms" "${startups[@]}"
  report_median "$name resident MB after 3 s" "${memory[@]}"
  report_median "$name CPU % running" "${running[@]}"
}
peer "GNOME Clocks (cairo renderer)" "--name ^Clocks$" start_clocks env GSK_RENDERER=cairo gnome-clocks
peer "GNOME Clocks (default renderer)" "--name ^Clocks$" start_clocks gnome-clocks
# Kronometer's title, "Untitled — Kronometer", defeats xdotool's name search; its class does not.
peer "Kronometer" "--classname ^kronometer$" start_kronometer kronometer
