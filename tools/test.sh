#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the desktop tests on a private Xvfb with
# openbox), runs the desktop tests twice more as X clients of GNOME's and of KDE's compositor
# (headless mutter and KWin, through their Xwayland), then runs the headless tests once more
# built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
# On the private desktop a desktop test that skips for want of a display is a failure.
TAMORU_REQUIRE_DESKTOP=1 tools/with-desktop.sh ctest --test-dir build --output-on-failure
for compositor in mutter kwin; do
  TAMORU_REQUIRE_DESKTOP=1 tools/with-wayland-desktop.sh "$compositor" \
    ctest --test-dir build -L desktop --output-on-failure
done

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAMORU_SANITIZE=ON \
      -DTAMORU_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize -L unit --output-on-failure
