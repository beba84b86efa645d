#!/usr/bin/env bash
# The tick loop through a real sound server: PulseAudio with a null sink, recorded from the
# sink's monitor while the program runs about 4 s with PlaySound=1. From the samples:
#   - the first tick starts within 50 ms of the Start press,
#   - the ticks repeat exactly one tick.wav length apart (within 1 ms, the first gap included),
#   - nothing sounds later than 50 ms after the Stop press.
# How the recording's clock is tied to the presses: parec writes the monitor as it plays, so
# sample n of the file was played (n / rate) s after the recording's first sample. The moment
# the file first holds data is stamped (date +%s%N), together with how many samples it then
# holds; each press is stamped with the same clock just before xdotool sends it. Both
# stamps carry a few ms of scheduling slack, well inside the 50 ms allowed.
source "$(dirname "$0")/lib.sh"
command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
  fail "pulseaudio and parec (Debian: pulseaudio, pulseaudio-utils) are needed"

rate=44100
pulse="$work/pulse"
mkdir -p "$pulse/home" "$pulse/run"
chmod 700 "$pulse/run"
export PULSE_SERVER="unix:$pulse/socket"
HOME="$pulse/home" XDG_RUNTIME_DIR="$pulse/run" pulseaudio -n --daemonize=no \
  --exit-idle-time=-1 --use-pid-file=no \
  -L "module-native-protocol-unix socket=$pulse/socket auth-anonymous=1" \
  -L "module-null-sink sink_name=recorded rate=$rate channels=1" >"$pulse/log" 2>&1 &
pulse_pid=$!
recorder_pid=""
trap 'kill $recorder_pid $pulse_pid 2>/dev/null || true; finish' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(cat "$pulse/log")"

now_ns() { date +%s%N; }
parec -d recorded.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=5 \
  >"$pulse/recorded.raw" &
recorder_pid=$!
until [ -s "$pulse/recorded.raw" ]; do sleep 0.001; done
recording_ns=$(now_ns)
recording_bytes=$(stat -c %s "$pulse/recorded.raw")

start_program
# The pointer goes to スタート first, so that each stamp is taken just before the click itself.
xdotool mousemove --window "$window" 62 "$(client_to_window_y 316)"
sleep 0.3
start_ns=$(now_ns)
xdotool click 1          # Start, with sound on
# Stop 3.95 s after Start, some 70 ms before the fifth tick is due: a Stop that let the server
# play out what it holds would sound that tick.
sleep "$(awk -v start="$start_ns" -v now="$(now_ns)" 'BEGIN { print (start + 3.95e9 - now) / 1e9 }')"
stop_ns=$(now_ns)
xdotool click 1          # Stop
sleep 0.5
kill "$recorder_pid"
close_and_wait

python3 - "$pulse/recorded.raw" "$source_dir/assets/tick.wav" "$rate" "$recording_ns" \
  "$recording_bytes" "$start_ns" "$stop_ns" <<'PY' || fail "the recorded ticks are wrong"
import array, sys, wave
path, tick_path, rate, recording_ns, recording_bytes, start_ns, stop_ns = sys.argv[1:]
rate = int(rate)
samples = array.array("h", open(path, "rb").read())
period = wave.open(tick_path).getnframes()
def sample_at(ns):  # the sample played at that moment
    return int(recording_bytes) // 2 + (int(ns) - int(recording_ns)) * rate // 10**9
start, stop = sample_at(start_ns), sample_at(stop_ns)
loud = [i for i, v in enumerate(samples) if abs(v) > 1000]
onsets = [i for n, i in enumerate(loud) if n == 0 or i - loud[n - 1] > rate // 2]
ms = lambda n: 1000.0 * n / rate
print("ticks at (ms after Start):", [round(ms(i - start), 1) for i in onsets])
assert onsets, "no tick at all"
assert -5 * rate // 1000 <= onsets[0] - start <= 50 * rate // 1000, \
    "first tick %.1f ms after Start" % ms(onsets[0] - start)
gaps = [b - a for a, b in zip(onsets, onsets[1:])]
assert len(gaps) >= 2, "fewer than three ticks before Stop"
for gap in gaps:
    assert abs(gap - period) <= rate // 1000, "a gap of %.1f ms, not %.1f" % (ms(gap), ms(period))
print("last sound (ms after Stop): %.1f" % ms(loud[-1] - stop))
assert loud[-1] <= stop + 50 * rate // 1000, "sound %.1f ms after Stop" % ms(loud[-1] - stop)
PY
echo "desktop sound server: passed"
