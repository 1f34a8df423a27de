#!/usr/bin/env bash
# `korvale eval` prints the result code and the value; usage errors exit 2.
set -u
korvale=$1
fail=0
check() {
  local expected=$1; shift
  local actual
  actual=$("$korvale" eval "$@" 2>/dev/null)
  if [ "$actual" != "$expected" ]; then
    echo "korvale eval $*: expected '$expected', got '$actual'"; fail=1
  fi
}
check "1 512" '2^3^2'
check "2 4" --set X=2 'x^2'
check "1 -4" -- -2^2
check "1 1000" '10^3'
check "1 179.99999999999983" 'deg(pi)'
"$korvale" eval >/dev/null 2>&1; [ $? -eq 2 ] || { echo "eval without a formula must exit 2"; fail=1; }
exit $fail
