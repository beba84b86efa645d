#!/usr/bin/env bash
# What the dial's change tracking and the readout's glyph cache save: CPU of the program plus the
# X server while running with every panel shown (median of 5 samples of 10 s, taken in turns), for the program
# as built and for builds with one of them taken out (the patches in bench/variants/, applied to
# a copy of the source). Run it on a private desktop:
#
#   tools/with-desktop.sh bench/feature_cost.sh build/tamoruwatch
source "$(dirname "$0")/cost_lib.sh"
as_built="$program"
rounds=${ROUNDS:-5}

# build_variant PATCH: builds the program with the patch applied; prints its path.
build_variant() {
  local copy
  copy="$work/$(basename "$1" .patch)"
  mkdir -p "$copy"
  (cd "$source_dir" && git ls-files -z | xargs -0 cp --parents -t "$copy")
  patch -s -d "$copy" -p1 <"$1"
  cmake -S "$copy" -B "$copy/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DTAMORU_BENCHMARKS=OFF >/dev/null
  cmake --build "$copy/build" --target tamoruwatch -j"$(nproc)" >/dev/null
  echo "$copy/build/tamoruwatch"
}

one_sample() {  # PROGRAM: CPU % over one sample while running
  program="$1"
  start_tamoru
  sleep 1
  click_start_tamoru
  sleep 1
  measure_cpu
  stop_app
}

# Builds first, then rounds that take one sample of each program in turn, so a change in the
# machine's load over the run falls on all of them alike.
names=("as built")
programs=("$as_built")
for patch in "$(dirname "$0")"/variants/*.patch; do
  names+=("$(basename "$patch" .patch)")
  programs+=("$(build_variant "$patch")")
done
declare -A samples
for _ in $(seq "$rounds"); do
  for i in "${!programs[@]}"; do samples[$i]+="$(one_sample "${programs[$i]}") "; done
done

echo "CPU % of program + X server, running with every panel shown: median of $rounds samples of ${seconds} s"
base=""
for i in "${!programs[@]}"; do
  read -r -a values <<<"${samples[$i]}"
  cost=$(printf '%s\n' "${values[@]}" | median)
  [ -n "$base" ] || base="$cost"
  saved=$(awk -v b="$base" -v c="$cost" 'BEGIN {printf "%.0f", (c > 0) ? 100 * (c - b) / c : 0}')
  note=""
  [ "$i" -gt 0 ] && note="  as built costs $saved % less"
  report "${names[$i]}" "$cost  [${values[*]}]$note"
done
