#!/usr/bin/env bash
# What the stopwatch costs on a real desktop: CPU of the program plus the X server over 10 s
# (running with every panel shown, stopped, running minimised), start-up time to a mapped
# window, resident memory 3 s after start, and the same figures for the peers GNOME Clocks and
# Kronometer when they are installed (Debian's gnome-clocks and kronometer packages). Medians of
# 3 (start-up: of 5). Run it on a private desktop, in a D-Bus session for the peers:
#
#   tools/with-desktop.sh dbus-run-session -- bench/desktop_cost.sh build/tamoruwatch
# The desktop tests' helpers: the private program folder ($work), the window's client area.
source "$(dirname "$0")/../tests/desktop/lib.sh"
seconds=${SECONDS_PER_SAMPLE:-10}
ticks_per_second=$(getconf CLK_TCK)
xserver_pid=$(pgrep -n Xvfb)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# launch WINDOW COMMAND... : starts it, waits for its visible window, found by the xdotool search
# options in WINDOW (e.g. "--name ^Clocks$"); sets pid, window, startup_ms.
launch() {
  local -a search
  read -r -a search <<<"$1"
  shift
  local started
  started=$(now_ms)
  "$@" >/dev/null 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 2000); do
    window=$(xdotool search --onlyvisible "${search[@]}" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.005
  done
  startup_ms=$(($(now_ms) - started))
}

stop_app() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=""; sleep 0.5; }

# CPU of the program and the X server together, in % of one core, over $seconds.
measure_cpu() {
  local a0 x0 a1 x1
  a0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xserver_pid")
  sleep "$seconds"
  a1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xserver_pid")
  awk -v d=$((a1 - a0 + x1 - x0)) -v s="$seconds" -v t="$ticks_per_second" \
    'BEGIN {printf "%.2f\n", 100 * d / (s * t)}'
}

rss_mb() { awk '/VmRSS/ {printf "%.1f\n", $2 / 1024}' "/proc/$pid/status"; }

start_tamoru() {  # with the shipped settings each time: the program saves its own at exit
  cp "$program" "$source_dir/assets/TamoruWatch.ini" "$source_dir/assets/tick.wav" "$work/"
  launch "--name ^Tamoru.Watch" "$work/tamoruwatch"
}
# click_tamoru X [CLICK-OPTIONS]: left click on the button row (スタート at 62, ラップ at 190).
click_tamoru() {
  local x="$1"
  shift
  xdotool mousemove --window "$window" "$x" "$(client_to_window_y 316)" click "$@" 1
}
click_start_tamoru() { click_tamoru 62; }
# A figure taken with the window still on screen would be silently wrong: wait until it is gone.
minimise() {
  xdotool windowminimize "$window"
  for _ in $(seq 100); do
    xwininfo -id "$window" | grep -q IsUnMapped && return
    sleep 0.02
  done
  echo "the window did not minimise" >&2
  exit 1
}

report() { printf '%-34s %s\n' "$1" "$2"; }
# report_median LABEL SAMPLE...: the median, then every sample.
report_median() {
  local label="$1"
  shift
  report "$label" "$(printf '%s\n' "$@" | median)  [$*]"
}

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
