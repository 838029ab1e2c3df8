#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Replays every input file of the validation document on the real window,
# the way a person follows it: each case on a freshly started program under
# Xvfb, typed and clicked as the file says, with the Italian number
# conventions. Then compares the read-outs, the messages of failed clicks and
# the report printed through a real CUPS queue with the document's figures.
# Starts cupsd: run it under flock /tmp/pali-cups.lock.
#
# Usage: tests/e2e/validation_replay.sh PROGRAM CONTROL_CENTRES CASES_FOLDER FIGURES_TABLE
#   CASES_FOLDER   the input files (docs/validation/casi)
#   FIGURES_TABLE  the figures of the document's hand solutions, one a line:
#                  case, read-out box or MESSAGGIO or RELAZIONE, text
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

# Runs of blanks folded into one and the blanks at both ends dropped: text
# extraction does not keep the columns exactly.
folded() { tr -s ' ' | sed 's/^ //; s/ $//'; }

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
        else
            fail "$1: report lacks '$line'"
        fi
    done < <(figures_of "$1" RELAZIONE)
}

replay_case() {  # file
    local name line word rest box expected
    local -a layer
    name="$(basename "$1" .txt)"
    MESSAGES_SHOWN=0
    start_program
    while IFS= read -r line; do
        [[ -z "$line" || "$line" == '#'* ]] && continue
        word="${line%% *}"
        rest="${line#"$word"}"; rest="${rest# }"
        case "$line" in
            "CALCOLA L/D") press Command2 ;;
            "CALCOLA PORTANZA") press Command3 ;;
            STAMPA) print_report && check_report "$name" "$PRINTED_PDF" ;;
            "COMBINAZIONE "*) click "Comb1($((rest - 1)))" ;;
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
}

start_display
start_printer
for case_file in "$CASES"/caso*.txt; do
    replay_case "$case_file"
done

echo "validation replay: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
