#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The design check without a window, as the engineer runs it from a shell:
# the validation cases' project files through a pipe and into a file, in JSON
# and in Italian under a real Italian locale, against the bytes the Linux
# program gives (kept beside this script), with the exit status of each run.
# The same script checks the Linux program and the Windows one under Wine.
# The other words of the command line too: help, version, a word refused, and
# --pdf, which writes the report on Linux and is refused on Windows.
# Usage: check_command.sh CASES_FOLDER [RUNNER...] PROGRAM
set -uo pipefail
expected="$(cd "$(dirname "$0")" && pwd)"
cases="$1"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A real Italian locale, made here, so that the run cannot fall back to "C".
localedef -i it_IT -f UTF-8 "$work/it_IT.UTF-8" 2>/dev/null || { echo "FAIL: no Italian locale (localedef)"; exit 1; }
point="$(LOCPATH="$work" LC_ALL=it_IT.UTF-8 locale decimal_point)"
[[ "$point" == "," ]] || { echo "FAIL: the Italian locale's decimal point is '$point'"; exit 1; }

# The runs below start in the cases' folder: the program and its runner by
# their full paths.
command=()
for word in "$@"; do
    if [[ -e "$word" ]]; then command+=("$(realpath "$word")"); else command+=("$word"); fi
done
set -- "${command[@]}"
cd "$cases" || exit 1
mapfile -t every < <(ls caso*.pali | sort -V)
failures=0
expect() {  # what, wanted status, status, wanted file, file
    if [[ "$3" != "$2" ]]; then
        echo "FAIL: $1: exit status $3, not $2"
        failures=$((failures + 1))
    elif ! cmp -s "$4" "$5"; then
        echo "FAIL: $1: output differs from $(basename "$4")"
        diff "$4" "$5" | head -20
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}

"$@" --verifica --json "${every[@]}" 2>"$work/err" | cat >"$work/json"
expect "JSON of every case, through a pipe" 2 "${PIPESTATUS[0]}" "$expected/verifica.json" "$work/json"
LOCPATH="$work" LC_ALL=it_IT.UTF-8 "$@" --verifica "${every[@]}" >"$work/text" 2>"$work/err"
expect "Italian text of every case, into a file" 2 $? "$expected/verifica-it.txt" "$work/text"
"$@" --verifica caso8.pali caso9.pali >"$work/two" 2>"$work/err"
expect "a case not verified under NTC 2018" 1 $? "$expected/verifica-8-9.txt" "$work/two"
"$@" --verifica caso8.pali caso10.pali >"$work/two" 2>"$work/err"
expect "cases verified" 0 $? "$expected/verifica-8-10.txt" "$work/two"
# The curve of case 8: its header, a length at a layer's base, the shortest
# under NTC 2018, and the pile's own length.
curve_lines() { sed -n '1p;51p;83p;121p'; }
LOCPATH="$work" LC_ALL=it_IT.UTF-8 "$@" --curva caso8.pali 2>"$work/err" | curve_lines >"$work/curva"
expect "the curve of case 8 for a spreadsheet, Italian" 0 "${PIPESTATUS[0]}" "$expected/curva-8.csv" "$work/curva"
"$@" --curva --json caso8.pali 2>"$work/err" | sed -n '50p;82p;120p' >"$work/curva"
expect "the curve of case 8 in JSON" 0 "${PIPESTATUS[0]}" "$expected/curva-8.json" "$work/curva"
printf '{"formato": 3' >"$work/rotto.pali"
"$@" --verifica "$work/rotto.pali" >"$work/out" 2>"$work/err"
status=$?
if [[ $status == 2 && ! -s "$work/out" ]] && grep -q "Impossibile aprire «rotto.pali»" "$work/err"; then
    echo "ok: a damaged file, its message on the error output"
else
    echo "FAIL: a damaged file gave status $status and: $(cat "$work/out" "$work/err")"
    failures=$((failures + 1))
fi

# Case 8 as an engineer may type it: with Nq beyond the reals (no
# combination computes, status 2, and the check says why), and a pile whose
# Rd equals its Ed to the last decimal (525,51 / 1,60 = 1,5 x 218,9625).
box() { sed "s/\"$1\": \"[^\"]*\"/\"$1\": \"$2\"/"; }
expect_line() {  # what, wanted status, line wanted in the output, project
    LOCPATH="$work" LC_ALL=it_IT.UTF-8 "${command[@]}" --verifica "$4" >"$work/out" 2>"$work/err"
    local status=$?
    if [[ $status == "$2" ]] && grep -qF "$3" "$work/out"; then
        echo "ok: $1"
    else
        echo "FAIL: $1 gave status $status and: $(cat "$work/out" "$work/err")"
        failures=$((failures + 1))
    fi
}
box K1 1e999 <caso8.pali >"$work/nq.pali"
expect_line "an Nq beyond the reals, a warning and no crash" 2 \
    "Avviso: Il valore di Nq digitato non si confronta" "$work/nq.pali"
box A 93 <caso8.pali | box K1 29,4 | box M5 1 | box CP 0 | box CPNS 0 | box CV 218,9625 >"$work/pari.pali"
expect_line "Rd equal to Ed, verified" 0 "A1+M1+R3: Ed = 328,44 t, Rd = 328,44 t, Rd/Ed = 1,00: VERIFICATO" \
    "$work/pari.pali"

expect_run() {  # what, wanted status, wanted start of the standard output, text in the error output, command...
    local what=$1 status=$2 out=$3 err=$4
    shift 4
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [[ $got == "$status" && "$(cat "$work/out")" == "$out"* && "$(cat "$work/err")" == *"$err"* ]]; then
        echo "ok: $what"
    else
        echo "FAIL: $what: exit status $got (not $status), output: $(cat "$work/out"), errors: $(cat "$work/err")"
        failures=$((failures + 1))
    fi
}
expect_run "--help, on the standard output" 0 "uso: portanza-pali [FILE]" "" "${command[@]}" --help
expect_run "-h" 0 "uso: portanza-pali [FILE]" "" "${command[@]}" -h
expect_run "--version" 0 "portanza-pali " "" "${command[@]}" --version
expect_run "an unknown option, refused with the usage" 2 "" "portanza-pali: opzione non ammessa: --foo" \
    "${command[@]}" --foo caso8.pali
expect_run "--json without --verifica" 2 "" "portanza-pali: --json vale solo con --verifica" \
    "${command[@]}" --json caso8.pali
"$@" --verifica caso8.pali --json caso10.pali >"$work/late" 2>"$work/err"
expect "--json after the files" 0 $? <(sed -n '8p;10p' "$expected/verifica.json") "$work/late"
if [[ "${command[-1]}" == *.exe ]]; then
    expect_run "--pdf on Windows, refused" 3 "" "portanza-pali: --pdf non è disponibile su Windows" \
        "${command[@]}" --pdf "$work/relazione.pdf" caso8.pali
    [[ ! -e "$work/relazione.pdf" ]] || { echo "FAIL: --pdf wrote a file on Windows"; failures=$((failures + 1)); }
else
    expect_run "--pdf writes the report" 0 "" "" "${command[@]}" --pdf "$work/relazione.pdf" caso8.pali
    [[ "$(head -c 4 "$work/relazione.pdf" 2>/dev/null)" == "%PDF" ]] || { echo "FAIL: --pdf wrote no PDF"; failures=$((failures + 1)); }
    expect_run "--pdf into a folder that does not exist" 4 "" "Impossibile scrivere" \
        "${command[@]}" --pdf "$work/manca/relazione.pdf" caso8.pali
fi
exit $((failures > 0))
