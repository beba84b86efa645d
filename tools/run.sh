#!/usr/bin/env bash
# Installs what is missing, builds, and starts the stopwatch on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
exec build/tamoruwatch
