#!/usr/bin/env bash
# Checks that LibreOffice Writer reads the RTF writer's output as written: the sample letter
# (tests/rtf/sample_document.cpp) is converted by LibreOffice to plain text, which must equal
# the letter's text, and to RTF again, whose text and character formats our reader must find
# unchanged. Not part of CI: it needs LibreOffice Writer (soffice) on the machine.
#   scripts/check_rtf_with_libreoffice.sh     build folder: $KORVALE_RTF_CHECK_BUILD,
#                                             default build-rtf-check/
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVALE_RTF_CHECK_BUILD:-$root/build-rtf-check}"
if ! command -v soffice >/dev/null; then
  echo "check_rtf_with_libreoffice.sh: soffice (LibreOffice Writer) is not installed" >&2
  exit 2
fi

cmake -S "$root" -B "$build" -DKORVALE_WITH_QT=OFF -DKORVALE_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target rtf_tool >/dev/null
tool="$build/tests/rtf/rtf_tool"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A profile of its own, so a running LibreOffice of the user is neither used nor disturbed.
office=(soffice "-env:UserInstallation=file://$work/profile" --headless)

"$tool" sample "$work/sample.rtf"
"${office[@]}" --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/txt" "$work/sample.rtf" \
  >/dev/null 2>&1
"${office[@]}" --convert-to rtf --outdir "$work/rtf" "$work/sample.rtf" >/dev/null 2>&1

# LibreOffice writes a byte-order mark and may end lines with CR LF.
sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$work/txt/sample.txt" >"$work/libreoffice.txt"
"$tool" text "$work/sample.rtf" >"$work/ours.txt"
"$tool" formats "$work/sample.rtf" >"$work/ours.formats"
"$tool" formats "$work/rtf/sample.rtf" >"$work/libreoffice.formats"

status=0
if ! diff -u "$work/ours.txt" "$work/libreoffice.txt"; then
  echo "text differs: our reader (-) and LibreOffice's plain text (+)" >&2
  status=1
fi
if ! diff -u "$work/ours.formats" "$work/libreoffice.formats"; then
  echo "formats differ: as written (-) and after LibreOffice saved the file again (+)" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "LibreOffice reads the writer's RTF with the same text and formats"
exit "$status"
