#!/usr/bin/env bash
# `korvale --help` and `--version` answer on stdout with exit 0; a wrong argument gets the usage
# on stderr and exit 2.
# usage: help_cli.sh KORVALE VERSION
set -u
korvale=$1 version=$2
fail=0
usage='usage: korvale                                  start the program (needs a display)
       korvale script FILE [--print-to DIR]     run a scenario offscreen, print transcript
       korvale eval [--set X=VALUE]... FORMULA  print result code and value of a formula
       korvale --help | --version               show this text or the version'
# Expected texts are given without their final line break; an empty one means no output at all.
lines() { [ -z "$1" ] || printf '%s\n' "$1"; }
check() {
  local code=$1 out=$2 err=$3; shift 3
  local work; work=$(mktemp -d)
  "$korvale" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  lines "$out" >"$work/out.expected"
  lines "$err" >"$work/err.expected"
  if [ $got -ne "$code" ] || ! cmp -s "$work/out" "$work/out.expected" ||
     ! cmp -s "$work/err" "$work/err.expected"; then
    echo "korvale $*: expected exit $code, got $got"
    diff -u "$work/out.expected" "$work/out"
    diff -u "$work/err.expected" "$work/err"
    fail=1
  fi
  rm -rf "$work"
}
check 0 "$usage" "" --help
check 0 "$usage" "" -h
check 0 "korvale $version" "" --version
check 2 "" "korvale: unknown command: frob
$usage" frob
check 2 "" "korvale: unexpected argument: now
$usage" --version now
exit $fail
