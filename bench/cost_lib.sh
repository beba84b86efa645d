# Helpers of the desktop cost scripts: starting a program and finding its window, CPU of the
# program plus the X server (and the window manager), medians. Sourced by bench/desktop_cost.sh,
# bench/feature_cost.sh and bench/desktops.sh.
# The desktop tests' helpers: the private program folder ($work), the window's client area.
source "$(dirname "$0")/../tests/desktop/lib.sh"
seconds=${SECONDS_PER_SAMPLE:-10}
ticks_per_second=$(getconf CLK_TCK)

# The X server and the window manager of the desktop this script runs on. tools/with-desktop.sh
# is an ancestor with Xvfb and openbox as children; a Wayland compositor is itself an ancestor,
# with its Xwayland as a child. Other desktops on the machine (another test run's) are not seen.
find_desktop_processes() {
  local ancestor=$$ child
  xserver_pid="" wm_pid=""
  while [ "$ancestor" -gt 1 ]; do
    for child in $(pgrep -P "$ancestor"); do
      case "$(ps -o comm= -p "$child")" in
        Xvfb | Xwayland) xserver_pid=$child ;;
        openbox) wm_pid=$child ;;
      esac
    done
    case "$(ps -o comm= -p "$ancestor")" in mutter | kwin_wayland) wm_pid=$ancestor ;; esac
    [ -n "$xserver_pid" ] && [ -n "$wm_pid" ] && return
    ancestor=$(ps -o ppid= -p "$ancestor" | tr -d ' ')
  done
  echo "no X server and window manager among the children of this script's ancestors" >&2
  exit 1
}
find_desktop_processes

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

# CPU of the program and the X server together, in % of one core, over $seconds; with
# "measure_cpu with_wm" the window manager's is added.
measure_cpu() {
  local before=0 after=0 process processes=("$pid" "$xserver_pid")
  [ "${1:-}" = with_wm ] && processes+=("$wm_pid")
  for process in "${processes[@]}"; do before=$((before + $(cpu_ticks "$process"))); done
  sleep "$seconds"
  for process in "${processes[@]}"; do after=$((after + $(cpu_ticks "$process"))); done
  awk -v d=$((after - before)) -v s="$seconds" -v t="$ticks_per_second" \
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

