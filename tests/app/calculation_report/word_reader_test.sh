#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Word files read by real readers: Python's zipfile tests the container
# and parses every XML part; LibreOffice, run once for every file, turns each
# into a PDF, whose text must hold what the document shows and the table's
# headings again on the page it runs onto.
set -uo pipefail
writer=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL $*"; status=1; }

"$writer" "$work" || { echo "FAIL the writer"; exit 1; }
files=("$work"/*.docx)

for file in "${files[@]}"; do
  python3 -m zipfile -t "$file" >/dev/null || fail "$(basename "$file"): zipfile's test"
  python3 - "$file" <<'PY' || fail "$(basename "$file"): an XML part does not parse"
import sys, zipfile, xml.dom.minidom
with zipfile.ZipFile(sys.argv[1]) as archive:
    for name in archive.namelist():
        xml.dom.minidom.parseString(archive.read(name))
PY
done

# Its own profile, or two runs at once clash on it.
mkdir "$work/home"
HOME="$work/home" soffice --headless --convert-to pdf --outdir "$work/pdf" "${files[@]}" >"$work/soffice.log" 2>&1 \
  || { cat "$work/soffice.log"; fail "LibreOffice's conversion"; }

# Every run of blanks and line ends as one blank, so that a text broken over
# two lines still matches.
flattened() { pdftotext "$1" - | tr -s ' \n' '  '; }

for file in "${files[@]}"; do
  [[ -s "$work/pdf/$(basename "$file" .docx).pdf" ]] || fail "$(basename "$file"): no PDF"
done
if [[ -s "$work/pdf/sample.pdf" ]]; then
  text=$(flattened "$work/pdf/sample.pdf")
  while IFS= read -r shown; do
    [[ $text == *"$shown"* ]] || fail "sample.pdf lacks: $shown"
  done <"$work/sample.shown"
  repeated=$(pdftotext "$work/pdf/sample.pdf" - | grep -cF "Quota di base (m)")
  [[ $repeated -ge 2 ]] || fail "the table's headings are not repeated on its second page ($repeated)"
  [[ $status -eq 0 ]] || { echo "The text read back:"; pdftotext -layout "$work/pdf/sample.pdf" -; }
fi
exit $status
