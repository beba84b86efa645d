#!/usr/bin/env bash
# With no X display at all, only a Wayland compositor without Xwayland (headless mutter, or KWin
# when the desktop tests run under KWin) and QT_QPA_PLATFORM=wayland, the program starts natively
# on Wayland, tells the user once in a box what it can't do there, still saves 常に手前に表示,
# and a signal ends it with the box open.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${TAMORU_NATIVE_WAYLAND:-}" ]; then
  reason=""
  compositor="${TAMORU_WAYLAND_COMPOSITOR:-mutter}"
  command -v "${compositor/kwin/kwin_wayland}" >/dev/null || reason="$compositor is not installed"
  [ "$(id -u)" = 0 ] || reason="the compositor's private namespaces need root"
  if [ -n "$reason" ]; then
    [ "${TAMORU_REQUIRE_DESKTOP:-0}" = 1 ] && { echo "FAIL: $reason" >&2; exit 1; }
    echo "SKIP: $reason"
    exit 77
  fi
  exec env TAMORU_NATIVE_WAYLAND=1 "$here/../../tools/with-wayland-desktop.sh" --no-x "$compositor" \
    "$0" "$@"
fi
needs_x_display=0 source "$here/lib.sh"
[ -z "${DISPLAY:-}" ] && [ ! -e /tmp/.X11-unix/X0 ] || fail "an X display is at hand"

export QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
run_natively() {
  (cd "$work" && exec ./tamoruwatch) >"$work/stdout.log" 2>&1 &
  pid=$!
}

run_natively
/usr/bin/python3 "$here/native_wayland.py" quit || fail "see above; the program said: $(program_output)"
program_ends_within 5 終了
grep -qx 'WindowForceFront=1' "$work/TamoruWatch.ini" || fail "常に手前に表示 was not saved"

# The box belongs to the window: with it still open, a signal closes the window, which saves the
# settings and ends the program.
run_natively
/usr/bin/python3 "$here/native_wayland.py" normal || fail "see above; the program said: $(program_output)"
kill -s TERM "$pid"
program_ends_within 5 SIGTERM
grep -qx 'WindowForceFront=0' "$work/TamoruWatch.ini" || fail "the change was lost at SIGTERM"
echo "desktop native wayland: passed under $TAMORU_WAYLAND_COMPOSITOR"
