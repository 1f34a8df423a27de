#!/usr/bin/env bash
# House rules: Qt only in src/ui/qt; sources say what they do in their own words; formatted.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0

qt=$(grep -rnE '#\s*include\s*[<"]Q[A-Za-z]+' src --include='*.h' --include='*.cpp' | grep -v '^src/ui/qt/')
if [ -n "$qt" ]; then
  echo "Qt headers outside src/ui/qt:"; echo "$qt"; status=1
fi

files=$(git ls-files 2>/dev/null || find . -type f -not -path './build*')
pattern='(\bPart [0-9]+\.[0-9]+)|(\bspecification\b)|(\bspec\.md\b)|(\bthe spec\b)|(\bper spec\b)|(\bspec says\b)|(\bas specified\b)'
words=$(echo "$files" | grep -vE '\.(pdf|jpg|mp3|wmv|png)$|^scripts/check_sources\.sh$' |
        xargs -r grep -nIiE "$pattern" 2>/dev/null | head -20)
names=$(echo "$files" | grep -iE '(^|/)[^/]*spec[^/]*$' | grep -viE 'inspect|special|specif(y|ic)|respect|aspect|prospect')
if [ -n "$words$names" ]; then
  echo "References to the requirements document in the sources:"; echo "$words$names"; status=1
fi

# The algorithm libraries ask no questions and touch no editor: what asks and writes into a
# window lives in the window's commands.
ported=$(grep -rnE '#\s*include\s*"ui/ports/(dialogs|text_editor)\.h"' src/csvlist src/stats src/mailmerge)
if [ -n "$ported" ]; then
  echo "Dialogs or editors in csvlist, stats or mailmerge:"; echo "$ported"; status=1
fi

# Libraries point downwards only: no cycle among them, and none links the program's assembly.
edges=$(find src -name CMakeLists.txt -exec cat {} + | tr '\n' ' ' |
        grep -oE 'target_link_libraries\([^)]*\)' | sed -E 's/target_link_libraries\(//; s/\)//' |
        while read -r target rest; do
          for dep in $rest; do
            case $dep in korvale_*) echo "$target $dep" ;; esac
          done
        done)
onapp=$(echo "$edges" | awk '$1 ~ /^korvale_/ && $2 == "korvale_app" { print $1 }')
if [ -n "$onapp" ]; then
  echo "Libraries that link korvale_app:"; echo "$onapp"; status=1
fi
loop=$(echo "$edges" | tsort 2>&1 >/dev/null)
if [ -n "$loop" ]; then
  echo "A cycle among the libraries:"; echo "$loop"; status=1
fi

if command -v clang-format-14 >/dev/null || command -v clang-format >/dev/null; then
  cf=$(command -v clang-format-14 || command -v clang-format)
  unformatted=$(echo "$files" | grep -E '\.(h|cpp)$' | while read -r f; do
    [ -f "$f" ] && ! "$cf" --dry-run -Werror "$f" >/dev/null 2>&1 && echo "$f"; done)
  if [ -n "$unformatted" ]; then
    echo "Not clang-format clean:"; echo "$unformatted"; status=1
  fi
fi
[ $status -eq 0 ] && echo "source checks passed"
exit $status
