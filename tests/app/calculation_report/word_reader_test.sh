#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Word files read by real readers: Python's zipfile tests the container
# and parses every XML part; LibreOffice, started once for all the files,
# turns each into a PDF, whose text must hold what the sample shows, and the
# table's headings again on the page it runs onto. Given the program and a
# project, also the program's own report: LibreOffice's reading of its Word
# file holds every heading and figure of the PDF the program writes itself.
# Usage: word_reader_test.sh SAMPLE_WRITER [PROGRAM PROJECT]
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL $*"; status=1; }

"$1" "$work" || { echo "FAIL the writer"; exit 1; }
if [[ $# -eq 3 ]]; then
  "$2" --relazione "$work/relazione.docx" "$3" || fail "the program's Word file"
  QT_QPA_PLATFORM=offscreen "$2" --relazione "$work/program.pdf" "$3" 2>/dev/null || fail "the program's PDF"
fi
files=("$work"/*.docx)
python3 - "${files[@]}" <<'PY' || fail "Python's zipfile"
import sys, zipfile, xml.dom.minidom
for path in sys.argv[1:]:
    with zipfile.ZipFile(path) as archive:
        assert archive.testzip() is None, path
        for name in archive.namelist():
            xml.dom.minidom.parseString(archive.read(name))
PY

# A profile of its own, or two runs at once clash on it.
HOME="$work" soffice --headless --convert-to pdf --outdir "$work/pdf" "${files[@]}" >"$work/soffice.log" 2>&1 \
  || { cat "$work/soffice.log"; fail "LibreOffice's conversion"; }
[[ -s $work/pdf/empty.pdf ]] || fail "no PDF of the empty document"
# Blanks and line ends as one blank, so that a text broken over two lines still matches.
text=$(pdftotext "$work/pdf/sample.pdf" - | tr -s ' \n' '  ') || fail "no PDF of the sample"
while IFS= read -r shown; do
  [[ $text == *"$shown"* ]] || fail "the sample's PDF lacks: $shown"
done <"$work/sample.shown"
[[ $(pdftotext "$work/pdf/sample.pdf" - | grep -cF "Quota di base (m)") -ge 2 ]] \
  || fail "the table's headings are not repeated on its second page"
if [[ $# -eq 3 ]]; then
  read_back=$(pdftotext "$work/pdf/relazione.pdf" - | tr -s ' \n' '  ')
  mapfile -t headings < <(pdftotext "$work/program.pdf" - | grep -E '^([0-9]+\.([0-9]+)? [A-Z]|Allegato A|Figura [0-9])')
  [[ ${#headings[@]} -ge 12 ]] || fail "the program's PDF has ${#headings[@]} headings and figures"
  for heading in "${headings[@]}"; do
    [[ $read_back == *"$heading"* ]] || fail "LibreOffice's reading of the report lacks: $heading"
  done
fi
[[ $status -eq 0 ]] || pdftotext -layout "$work/pdf/sample.pdf" -
exit $status
