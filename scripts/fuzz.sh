#!/usr/bin/env bash
# Builds every libFuzzer target (fuzz/<dir>/ defines fuzz_<dir>) with clang, ASan and UBSan, and
# runs each for N seconds (first argument, default 60). Fails when a target finds a crash.
#   scripts/fuzz.sh [SECONDS [DIR...]]    only the named fuzz/<DIR> targets when given
# Build folder: $KORVALE_FUZZ_BUILD, default build-fuzz/ in the repository.
# A target may bring seed inputs in fuzz/<dir>/corpus/ and a dictionary fuzz/<dir>/<dir>.dict.
set -euo pipefail

seconds="${1:-60}"
shift $(( $# > 0 ? 1 : 0 ))
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVALE_FUZZ_BUILD:-$root/build-fuzz}"
jobs="${JOBS:-2}"

if [ -z "${CXX:-}" ]; then
  if command -v clang++ >/dev/null; then CXX=clang++; else CXX=clang++-14; fi
fi
export CXX

dirs=()
if [ $# -gt 0 ]; then
  dirs=("$@")
else
  for dir in "$root"/fuzz/*/; do
    [ -f "$dir/CMakeLists.txt" ] && dirs+=("$(basename "$dir")")
  done
fi
if [ ${#dirs[@]} -eq 0 ]; then
  echo "fuzz.sh: no fuzz targets under fuzz/" >&2
  exit 1
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALE_WITH_FUZZ=ON \
  -DKORVALE_WITH_QT=OFF -DKORVALE_WITH_BENCH=OFF
targets=()
for dir in "${dirs[@]}"; do targets+=("fuzz_$dir"); done
cmake --build "$build" -j"$jobs" --target "${targets[@]}"

failed=()
for dir in "${dirs[@]}"; do
  program="$build/fuzz/$dir/fuzz_$dir"
  corpus="$build/corpus/$dir"
  artifacts="$build/artifacts/$dir"
  mkdir -p "$corpus" "$artifacts"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$artifacts/")
  [ -f "$root/fuzz/$dir/$dir.dict" ] && options+=(-dict="$root/fuzz/$dir/$dir.dict")
  seeds=()
  [ -d "$root/fuzz/$dir/corpus" ] && seeds+=("$root/fuzz/$dir/corpus")
  echo "=== fuzz_$dir: $seconds s"
  if ! "$program" "${options[@]}" "$corpus" "${seeds[@]}"; then
    echo "=== fuzz_$dir FAILED; the input is in $artifacts/" >&2
    failed+=("fuzz_$dir")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz.sh: crashes in ${failed[*]}" >&2
  exit 1
fi
echo "fuzz.sh: ${#dirs[@]} target(s) ran $seconds s each without a crash"
