#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Replays every input file of the validation document on the real window,
# the way a person follows it: each case on a freshly started program under
# Xvfb, typed and clicked as the file says, with the Italian number
# conventions. Then compares the read-outs, the messages of failed clicks and
# the report printed through a real CUPS queue with the document's figures;
# and, for a case that types the verticals, the design check that
# portanza-pali --verifica gives of the case's project file, and its exit
# status. Starts cupsd: run it under flock /tmp/pali-cups.lock.
#
# Usage: tests/e2e/validation_replay.sh PROGRAM CONTROL_CENTRES CASES_FOLDER FIGURES_TABLE
#   CASES_FOLDER   the input files and the project files (caso1.txt, caso1.pali, ...)
#   FIGURES_TABLE  the figures of the document's hand solutions, one a line:
#                  case, read-out box or MESSAGGIO or RELAZIONE, text; or
#                  case, VERIFICA, the check's figure, text
set -uo pipefail

PROGRAM="$1"
CONTROL_CENTRES="$2"
CASES="$3"
FIGURES="$4"
source "$(dirname "$0")/e2e_helpers.sh"

# The figures of one case and one field, a line each.
figures_of() {  # case field
    awk -F '\t' -v c="$1" -v f="$2" '$1 == c && $2 == f { sub(/^[^\t]*\t[^\t]*\t/, ""); print }' \
        "$FIGURES"
}

MESSAGES_SHOWN=0

# A click that brings up a message box: count it and close it.
press() {  # button
    local before
    before="$(window_count)"
    click "$1"
    sleep 0.3
    if (( $(window_count) > before )); then
        MESSAGES_SHOWN=$((MESSAGES_SHOWN + 1))
        xdotool key Return
        sleep 0.3
    fi
}

# The figure of the design check a case's document gives under that name.
check_figure() {  # case name
    awk -F '\t' -v c="$1" -v n="$2" '$1 == c && $2 == "VERIFICA" && $3 == n { print $4 }' "$FIGURES"
}

# Runs of blanks folded into one and the blanks at both ends dropped: text
# extraction does not keep the columns exactly.
folded() { tr -s ' ' | sed 's/^ //; s/ $//'; }
# A line longer than the page goes on at the next line's start, wherever the
# page ends: it is looked for with no blank and no line break.
PAGE_CHARACTERS=110
unbroken() { tr -d ' \n'; }

check_report() {  # case pdf
    local text line values pattern
    text="$(pdftotext -layout "$2" - | folded)"
    while IFS= read -r line; do
        if [[ "$line" == "STRATO "* ]]; then
            read -r -a values <<<"${line#STRATO }"
            pattern="$(printf '%s ' "${values[@]}")"
            if grep -qxF -- "${pattern% }" <<<"$text"; then pass; else fail "$1: report lacks layer row '$line'"; fi
        elif grep -qxF -- "$(folded <<<"$line")" <<<"$text"; then
            pass
        elif (( ${#line} > PAGE_CHARACTERS )) && [[ "$(unbroken <<<"$text")" == *"$(unbroken <<<"$line")"* ]]; then
            pass
        else
            fail "$1: report lacks '$line'"
        fi
    done < <(figures_of "$1" RELAZIONE)
}

# portanza-pali --verifica on the case's project file, under the Italian
# locale: each combination's line and the exit status by NTC 2018's verdict.
check_command() {  # case
    local output status combination expected verdict
    output="$(LOCPATH="$LOCALES" LANG=it_IT.UTF-8 LC_ALL= "$PROGRAM" --verifica "$CASES/$1.pali" 2>&1)"
    status=$?
    for combination in A1+M1+R1 A2+M2+R2 A1+M1+R3; do
        expected="  $combination: Ed = $(check_figure "$1" "$combination Ed") t, Rd = $(check_figure "$1" "$combination Rd") t, Rd/Ed = $(check_figure "$1" "$combination Rd/Ed"): $(check_figure "$1" "$combination esito")"
        if grep -qxF -- "$expected" <<<"$output"; then pass; else fail "$1: --verifica lacks '$expected': $output"; fi
    done
    verdict="$(check_figure "$1" "NTC 2008, Approccio 2 e NTC 2018")"
    expect_eq "$1: --verifica exit status" "$([[ "$verdict" == "NON VERIFICATO" ]] && echo 1 || echo 0)" "$status"
}

replay_case() {  # file
    local name line word rest box expected
    local -a layer
    name="$(basename "$1" .txt)"
    MESSAGES_SHOWN=0
    # Settings of its own, so that the panel VERIFICA shows as it does at first.
    start_program XDG_CONFIG_HOME="$WORK/settings-$name"
    while IFS= read -r line; do
        [[ -z "$line" || "$line" == '#'* ]] && continue
        word="${line%% *}"
        rest="${line#"$word"}"; rest="${rest# }"
        case "$line" in
            "CALCOLA L/D") press Command2 ;;
            "CALCOLA PORTANZA") press Command3 ;;
            STAMPA) print_report && check_report "$name" "$PRINTED_PDF" ;;
            "COMBINAZIONE "*) click "Comb1($((rest - 1)))" ;;
            "VERTICALI "*) type_verticals "$rest" ;;
            "STRATO "*)
                read -r -a layer <<<"$rest"
                press Command6
                type_into E "${layer[0]}"; type_into F "${layer[1]}"
                type_into G "${layer[2]}"; type_into D "${layer[3]}"
                press Command1 ;;
            *) type_into "$word" "$rest" ;;
        esac
    done <"$1"
    for box in I H Z9 CARTOT CARMAG M3 M4 K3 M8; do
        expected="$(figures_of "$name" "$box")"
        expect_eq "$name: $box" "$expected" "$(read_box "$box")"
    done
    expect_eq "$name: messages shown" "$(figures_of "$name" MESSAGGIO | grep -c .)" "$MESSAGES_SHOWN"
    check_fine
    if [[ -n "$(figures_of "$name" VERIFICA)" ]]; then check_command "$name"; fi
}

start_display
start_printer
for case_file in "$CASES"/caso*.txt; do
    replay_case "$case_file"
done

echo "validation replay: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
