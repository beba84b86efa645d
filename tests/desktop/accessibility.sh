#!/usr/bin/env bash
# Runs the program with its accessibility bridge on, under a private D-Bus session with the
# AT-SPI bus, and checks it from an AT-SPI client (tests/desktop/accessibility.py).
if [ -z "${TAMORU_OWN_BUS:-}" ]; then
  exec env TAMORU_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
/usr/bin/python3 "$source_dir/tests/desktop/accessibility.py" || fail "see above"
close_and_wait
