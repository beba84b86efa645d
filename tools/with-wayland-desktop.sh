#!/usr/bin/env bash
# Runs a command on a headless Wayland compositor, the way the program meets GNOME and KDE
# desktops: as an X client of the compositor's own Xwayland, or with --no-x as a Wayland client
# of a compositor that starts no X server at all.
#
#   tools/with-wayland-desktop.sh [--no-x] mutter|kwin COMMAND...
#
# Neither compositor can be told which X display to take, so it runs in private mount and network
# namespaces: a tmpfs on /tmp (with /tmp/.X11-unix), its own XDG_RUNTIME_DIR and D-Bus session,
# where display :0 is always free and nobody else's X server can be reached. Neither passes its
# child's exit status on (and KWin not its output either), so the command writes its status to a
# file outside the namespaces, its output comes back through two FIFOs to this script's, and the
# script exits with that status. The command finds the compositor's name in
# TAMORU_WAYLAND_COMPOSITOR. Needs root and Debian's mutter with xwayland, or kwin-wayland.
set -euo pipefail
with_x=1
if [ "${1:-}" = --no-x ]; then
  with_x=0
  shift
fi
[ $# -ge 2 ] || { echo "usage: $0 [--no-x] mutter|kwin COMMAND..." >&2; exit 2; }
compositor="$1"
shift

shared="$(mktemp -d -p /var/tmp tamoru-wayland.XXXXXX)"
trap 'rm -rf "$shared"' EXIT
printf '%q ' "$@" >"$shared/command"
mkfifo "$shared/out" "$shared/err"
cat <"$shared/out" &
cat <"$shared/err" >&2 &
cat >"$shared/run" <<RUN
#!/usr/bin/env bash
exec >$shared/out 2>$shared/err
cd $(printf '%q' "$PWD")
export TAMORU_WAYLAND_COMPOSITOR=$compositor
status=0
bash -c "\$(cat $shared/command)" || status=\$?
echo "\$status" >$shared/status
RUN
chmod +x "$shared/run"

case "$compositor" in
  mutter)
    start=(mutter --headless --wayland --virtual-monitor 1280x1024)
    [ "$with_x" = 1 ] || start+=(--no-x11)
    start+=(-- "$shared/run")
    ;;
  kwin)
    start=(kwin_wayland --virtual --width 1280 --height 1024)
    [ "$with_x" = 1 ] && start+=(--xwayland)
    start+=(--exit-with-session "$shared/run")
    # A container that withholds the capability kwin_wayland's file carries can't exec it; a
    # copy without the capability, under the same name, runs.
    if ! kwin_wayland --version >/dev/null 2>&1; then
      mkdir "$shared/bin"
      cp "$(command -v kwin_wayland)" "$shared/bin/"
      export PATH="$shared/bin:$PATH"
    fi
    ;;
  *) echo "$0: unknown compositor '$compositor' (mutter or kwin)" >&2; exit 2 ;;
esac

# The root becomes private where it is a mount point. In a plain chroot it is not one and stays
# as it is, so the script checks through its own view of the file system that the new /tmp stayed
# inside, and stops if it did not rather than hide every other process's /tmp.
unshare -m -n --propagation unchanged bash -c '
  set -e
  mount --make-rprivate / 2>/dev/null || true
  mount -t tmpfs tmpfs /tmp
  marker="$(mktemp -p /tmp)"
  if [ -e "/proc/$1/root$marker" ]; then
    umount /tmp
    echo "the private /tmp would be seen outside this namespace: not started" >&2
    exit 1
  fi
  rm "$marker"
  mkdir -m 1777 /tmp/.X11-unix
  mkdir -m 700 /tmp/runtime
  export XDG_RUNTIME_DIR=/tmp/runtime
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM SESSION_MANAGER
  log="$2"
  shift 2
  dbus-run-session -- "$@" >"$log" 2>&1 || true
' namespace "$$" "$shared/compositor.log" "${start[@]}" || true
# Opened read-write, a FIFO never blocks: a copy still waiting for the command (which never ran)
# sees its end, one that has finished is not disturbed.
exec 3<>"$shared/out" 4<>"$shared/err"
exec 3>&- 4>&-
wait
if [ ! -s "$shared/status" ]; then
  echo "$compositor did not run the command:" >&2
  tail -n 20 "$shared/compositor.log" >&2 2>/dev/null || true
  exit 1
fi
exit "$(cat "$shared/status")"
