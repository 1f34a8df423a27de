#!/usr/bin/env bash
# Start-up time: from process start until the Start window is shown (offscreen), median of 10.
# The scenario only dumps the Start window's labels, so the run ends right after it is shown.
# usage: bench/startup.sh [path/to/korvale]
set -euo pipefail
korvale=${1:-build/src/app/korvale}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'dump labels\n' >"$work/start.kvs"
mkdir -p "$work/tmp"
times=()
for i in $(seq 10); do
  start=$(date +%s%N)
  TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen "$korvale" script "$work/start.kvs" >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up runs (ms): ${times[*]}"
echo "median: $(( (sorted[4] + sorted[5]) / 2 )) ms"
