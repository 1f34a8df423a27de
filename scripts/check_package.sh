#!/usr/bin/env bash
# Installs the .deb that `make deb` built as a user would (apt resolves its dependencies), checks
# the installed program, menu entry, metainfo and manual page, and removes the package again so
# that no stale installed program stays behind. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls build-deb/korvale_*.deb)
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "./$deb"
trap 'apt-get remove -y -q korvale >/dev/null' EXIT
status=0
fail() { echo "package check: $*"; status=1; }

expected="korvale $(dpkg-deb -f "$deb" Version)"
[ "$(/usr/bin/korvale --version)" = "$expected" ] || fail "korvale --version is not '$expected'"
tests/scenarios/run_scenario.sh /usr/bin/korvale "$PWD/tests/scenarios/start_window.kvs" \
  "$PWD/tests/scenarios/start_window.expected" || fail "scenario start_window"

desktop=/usr/share/applications/de.korvale.Korvale.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
! grep -qE 'error|warning' <<<"$out" || fail "desktop-file-validate: $out"
appstreamcli validate --no-net /usr/share/metainfo/de.korvale.Korvale.metainfo.xml ||
  fail "appstreamcli validate"
[ -f /usr/share/icons/hicolor/scalable/apps/korvale.svg ] || fail "no scalable icon"

page=$(man -w korvale) || fail "man -w korvale finds no page"
warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
man -l "$page" | grep -q 'korvale script' || fail "the manual page does not describe script"

[ $status -eq 0 ] && echo "package checks passed"
exit $status
