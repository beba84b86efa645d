#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the desktop tests on a private Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
tools/with-desktop.sh ctest --test-dir build --output-on-failure
