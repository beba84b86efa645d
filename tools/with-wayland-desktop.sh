#!/usr/bin/env bash
# Runs a command as an X client of a headless Wayland compositor, through the compositor's own
# Xwayland, the way the program reaches GNOME and KDE desktops:
#
#   tools/with-wayland-desktop.sh mutter COMMAND...
#
# The compositor can't be told which X display to take, so it runs in private mount and network
# namespaces: a tmpfs on /tmp (with /tmp/.X11-unix) and its own XDG_RUNTIME_DIR and D-Bus
# session, where display :0 is always free and nobody else's server can be reached. mutter
# doesn't pass its child's exit status on, so the command writes it to a file outside the
# namespace and the script exits with it. Needs root (or unprivileged user namespaces) and a
# root file system that is a mount point: inside a plain chroot unshare can't make the new
# mount namespace private, and the script stops there rather than let its /tmp leak out.
# Needs Debian's mutter and xwayland.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 mutter COMMAND..." >&2; exit 2; }
compositor="$1"
shift

shared="$(mktemp -d -p /var/tmp tamoru-wayland.XXXXXX)"
trap 'rm -rf "$shared"' EXIT
printf '%q ' "$@" >"$shared/command"
# The compositor's own output goes to a log; the command's goes to this script's output.
cat >"$shared/run" <<RUN
#!/usr/bin/env bash
exec >/proc/$$/fd/1 2>/proc/$$/fd/2
cd $(printf '%q' "$PWD")
status=0
bash -c "\$(cat $shared/command)" || status=\$?
echo "\$status" >$shared/status
RUN
chmod +x "$shared/run"

case "$compositor" in
  mutter) start=(mutter --headless --wayland --virtual-monitor 1280x1024 -- "$shared/run") ;;
  *) echo "$0: unknown compositor '$compositor' (mutter)" >&2; exit 2 ;;
esac

unshare -m -n bash -c '
  set -e
  mount -t tmpfs tmpfs /tmp
  mkdir -m 1777 /tmp/.X11-unix
  mkdir -m 700 /tmp/runtime
  export XDG_RUNTIME_DIR=/tmp/runtime
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM SESSION_MANAGER
  exec dbus-run-session -- "$@" >/tmp/compositor.log 2>&1 || true
' compositor "${start[@]}" || true
[ -s "$shared/status" ] || { echo "$compositor did not run the command" >&2; exit 1; }
exit "$(cat "$shared/status")"
