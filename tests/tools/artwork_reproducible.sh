#!/usr/bin/env bash
# The generator must reproduce the committed artwork pixel for pixel.
set -euo pipefail
generator="$1"
assets="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$generator" "$out" 2>/dev/null
status=0
for image in "$assets"/*.png; do
  name="$(basename "$image")"
  differing="$(compare -metric AE "$image" "$out/$name" null: 2>&1 || true)"
  if [ "$differing" != "0" ]; then
    echo "FAIL: $name differs from the generator's output in $differing pixels" >&2
    status=1
  fi
done
[ "$(ls "$out" | wc -l)" = "$(ls "$assets"/*.png | wc -l)" ] || { echo "FAIL: image count" >&2; status=1; }
[ $status = 0 ] && echo "artwork reproducible: passed"
exit $status
