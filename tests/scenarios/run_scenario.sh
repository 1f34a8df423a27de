#!/usr/bin/env bash
# Runs one scenario in a fresh temporary and start folder and compares its transcript.
# usage: run_scenario.sh KORVALE SCRIPT.kvs EXPECTED
set -uo pipefail
korvale=$1 script=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tmp" "$work/start"
actual="$work/transcript"
(cd "$work/start" && TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen "$korvale" script "$script" \
   --print-to "$work/printed" >"$actual" 2>"$work/stderr")
code=$?
if ! diff -u "$expected" "$actual"; then
  echo "transcript differs (exit $code)"; cat "$work/stderr"; exit 1
fi
if [ $code -ne 0 ]; then
  echo "korvale script exited with $code"; cat "$work/stderr"; exit 1
fi
# NAME.check beside the script, when there is one, checks the files the scenario left behind.
check=${script%.kvs}.check
if [ -x "$check" ] && ! "$check" "$work"; then
  echo "$check failed"; exit 1
fi
