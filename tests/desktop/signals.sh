#!/usr/bin/env bash
# The sound library must not take over the signals: a running stopwatch with its sound
# started still ends at once on Ctrl-C (SIGINT) and on kill (SIGTERM).
source "$(dirname "$0")/lib.sh"

for signal in INT TERM; do
  start_program
  click_client 62 316      # Start, with sound on
  sleep 0.8
  kill -s "$signal" "$pid"
  for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running 3 s after SIG$signal"
  wait "$pid" 2>/dev/null || true
  pid=""
done
echo "desktop signals: passed"
