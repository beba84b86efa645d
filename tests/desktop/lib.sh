# Helpers for the desktop tests: start the built program from a private folder, find its
# window, click in its client area and capture parts of it.
set -euo pipefail

# Without a display these tests cannot run: they say so and report themselves skipped (77),
# unless the test command, which starts its own desktop, demands one. A test of the program
# without X sets needs_x_display=0.
if [ "${needs_x_display:-1}" = 1 ] && { [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; }; then
  if [ "${TAMORU_REQUIRE_DESKTOP:-0}" = 1 ]; then
    echo "FAIL: no X display reachable (DISPLAY=${DISPLAY:-unset})" >&2
    exit 1
  fi
  echo "SKIP: no X display reachable (DISPLAY=${DISPLAY:-unset}); run under tools/with-desktop.sh"
  exit 77
fi

program="$1"
work="$(mktemp -d)"
cp "$program" "$work/"
# The shipped files that sit beside the program, from the source tree (the build folder's copies
# may hold a developer's own settings).
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cp "$source_dir/assets/TamoruWatch.ini" "$source_dir/assets/tick.wav" "$work/"
pid=""

finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_program() {
  (cd "$work" && exec ./tamoruwatch) >"$work/stdout.log" 2>&1 &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tamoru Watch' | head -n 1 ||
    true)
  [ -n "$window" ] || fail "no window 30 s after start"
  sleep 0.5
}

# The client area is the bottom 420 pixels of the window (the menu bar sits above it).
client_to_window_y() {
  local height
  height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
  echo $((height - 420 + $1))
}

click_client() {  # x y [button]
  xdotool mousemove --window "$window" "$1" "$(client_to_window_y "$2")" click "${3:-1}"
}

capture_client() {  # file x y w h
  import -silent -window "$window" -crop "$4x$5+$2+$(client_to_window_y "$3")" +repage "$1"
}

same_image() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]
}

# What the program said on standard output and error.
program_output() { cat "$work/stdout.log"; }

# Waits up to SECONDS for the program to end after WHAT, and fails unless it exited with 0:
# program_ends_within SECONDS WHAT
program_ends_within() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running $1 s after $2"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" = 0 ] || fail "exit status $status after $2, not 0"
}

close_and_wait() {
  wmctrl -i -c "$window"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "program still running after close"
  wait "$pid" || fail "program exited with status $?"
  pid=""
}

# Opens a menu on the menu bar by clicking its title, then walks it with the keyboard:
# choose_menu TITLE_X KEY...
choose_menu() {
  local x="$1"
  shift
  xdotool mousemove --window "$window" "$x" 10 click 1
  sleep 0.4
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.15
  done
  sleep 0.3
}
menu_setting_x=60
menu_window_x=95

window_title() { xdotool getwindowname "$window"; }

# Window ids bottom to top, as the window manager stacks them.
stacking_order() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, / /g'
}

# Whether window A lies above window B in the stacking order.
is_above() {
  local a b position=0 pa=-1 pb=-1
  a=$(printf '0x%x' "$1")
  b=$(printf '0x%x' "$2")
  for id in $(stacking_order); do
    [ "$((id))" = "$((a))" ] && pa=$position
    [ "$((id))" = "$((b))" ] && pb=$position
    position=$((position + 1))
  done
  [ "$pa" -ge 0 ] && [ "$pb" -ge 0 ] && [ "$pa" -gt "$pb" ]
}

# The client area on screen: left top right bottom (inclusive), in screen pixels.
client_area_on_screen() {
  local x y height
  x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  height=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')
  echo "$x $((y + height - 420)) $((x + 257)) $((y + height - 1))"
}

pointer_position() { xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | tr '\n' ' '; }

# Moves the pointer (xdotool mousemove arguments) and says whether it ended inside the rectangle
# "left top right bottom".
pointer_ends_inside() {
  local rect="$1"
  shift
  xdotool "$@"
  sleep 0.2
  read -r px py <<<"$(pointer_position)"
  read -r left top right bottom <<<"$rect"
  [ "$px" -ge "$left" ] && [ "$px" -le "$right" ] && [ "$py" -ge "$top" ] && [ "$py" -le "$bottom" ]
}
