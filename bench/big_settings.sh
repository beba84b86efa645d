#!/usr/bin/env bash
# The built program with a 50 MB settings file of short lines beside it, against the shipped
# file: time from start to a mapped window, peak memory (VmHWM) at that point, and time from
# SIGTERM (a close with the nine writes) to exit. Medians of 3 runs. Needs a desktop:
#   tools/with-desktop.sh bench/big_settings.sh build/tamoruwatch
set -euo pipefail
program="$(realpath "$1")"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

now_ms() { date +%s%3N; }
median() { sort -n | sed -n 2p; }

# One run: prints "start_ms peak_kib close_ms".
run_once() {
  (cd "$work" && exec ./tamoruwatch) >/dev/null 2>&1 &
  local pid=$! began
  began=$(now_ms)
  # Polled often: xdotool's own --sync looks only twice a second.
  until xdotool search --onlyvisible --pid "$pid" --name '^Tamoru Watch' >/dev/null 2>&1; do
    sleep 0.01
  done
  local started=$(($(now_ms) - began))
  local peak
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  began=$(now_ms)
  kill -TERM "$pid"
  wait "$pid"
  echo "$started $peak $(($(now_ms) - began))"
}

measure() {  # LABEL
  local runs=()
  for _ in 1 2 3; do
    cp "$work/settings.ini" "$work/TamoruWatch.ini"
    runs+=("$(run_once)")
  done
  local start peak close
  start=$(printf '%s\n' "${runs[@]}" | cut -d' ' -f1 | median)
  peak=$(printf '%s\n' "${runs[@]}" | cut -d' ' -f2 | median)
  close=$(printf '%s\n' "${runs[@]}" | cut -d' ' -f3 | median)
  printf '%-22s start %5d ms   peak memory %7d KiB   close %5d ms\n' "$1" "$start" "$peak" "$close"
  echo "$peak" >"$work/peak.$2"
}

# The program reads the settings beside itself.
cp "$program" "$source_dir/assets/tick.wav" "$work/"
cp "$source_dir/assets/TamoruWatch.ini" "$work/settings.ini"
measure "shipped file" small
# The shipped settings followed by short comment lines, 50 MiB in all.
# (head ends the pipe early on purpose.)
{ cat "$source_dir/assets/TamoruWatch.ini"; seq -f '; note %.0f' 1 6000000; } |
  head -c $((50 * 1024 * 1024)) >"$work/settings.ini" || true
measure "50 MB file" big
growth=$(($(cat "$work/peak.big") - $(cat "$work/peak.small")))
echo "memory growth: $growth KiB = $(awk -v g="$growth" 'BEGIN { printf "%.2f", g / 51200 }') x the file"
