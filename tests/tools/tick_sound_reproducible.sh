#!/usr/bin/env bash
# The generator must reproduce the committed tick sound byte for byte.
set -euo pipefail
generator="$1"
committed="$2"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$generator" "$out"
cmp "$out" "$committed"
echo "tick sound reproducible: passed"
