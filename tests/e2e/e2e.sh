#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the installed program the way a person does: under Xvfb with a window
# manager, clicks into boxes by their position, types, presses buttons, picks
# options, reads the boxes back through the clipboard, and prints the report
# on a real CUPS queue whose PDF is checked with pdftotext; then, with the
# queue out of reach, saves the report as PDF through the save dialog.
#
# Usage: tests/e2e/e2e.sh [program [control-centres]]
#   program          default: the installed portanza-pali
#   control-centres  the tool built with the tests that prints where each
#                    control is clicked; default: the one in build/
set -uo pipefail

PROGRAM="${1:-/usr/bin/portanza-pali}"
CONTROL_CENTRES="${2:-$(dirname "$0")/../../build/tests/e2e/control_centres}"
source "$(dirname "$0")/e2e_helpers.sh"
source "$(dirname "$0")/worked_example.sh"

# With no print queue reachable, STAMPA offers to save the report as a PDF:
# Enter takes the suggested name, and the message that follows names the file.
check_saved_report() {
    local home="$WORK/home" message saved
    mkdir -p "$home/Documents"
    start_program HOME="$home" CUPS_SERVER=/nonexistent/socket
    enter_worked_example
    click Command3
    click Command4
    if ! wait_for_window '^Nessuna stampante predefinita'; then
        fail "no save dialog without a printer"
        return
    fi
    sleep 0.3
    [[ -n "${E2E_SAVE_DIALOG_PNG:-}" ]] && import -window root "$E2E_SAVE_DIALOG_PNG"
    xdotool key Return
    if ! wait_for_window '^STAMPA$'; then
        fail "no message after saving"
        return
    fi
    sleep 0.3
    # The message's text is selectable: click into it, then copy it all.
    xdotool mousemove --window "$(xdotool getactivewindow)" 100 32 click 1
    xdotool key ctrl+a ctrl+c
    sleep 0.15
    message="$(timeout 3 xclip -o -selection clipboard 2>/dev/null)"
    saved="$(grep -A1 'La relazione è stata salvata in:' <<<"$message" | tail -1)"
    xdotool key Return
    sleep 0.3
    expect_eq "windows after the message" 1 "$(window_count)"
    expect_eq "where the report was saved" "$home/Documents/Relazione portanza pali.pdf" "$saved"
    if [[ -s "$saved" ]]; then
        pass
        check_report_text "$saved"
    else
        fail "no PDF at '$saved'"
    fi
}

box_texts() {  # the texts of the typed boxes and the layer shown, a line each
    local box
    for box in A B C I E F G D K1 M5 CP CPNS CV; do
        printf '%s=%s\n' "$box" "$(read_box "$box")"
    done
}

# The worked example kept in a file through the real save dialog, opened
# again from the command line, and the question before unsaved work is lost.
check_project_files() {
    local folder="$WORK/progetti" file before
    mkdir -p "$folder"
    file="$folder/esempio svolto è.pali"
    start_program
    enter_worked_example
    before="$(box_texts)"
    xdotool key ctrl+s
    wait_for_window '^Salva con nome' || fail "no save dialog after Ctrl+S"
    sleep 0.3
    # Without the extension: the dialog adds it.
    paste_text "$folder/esempio svolto è"
    xdotool key Return
    sleep 0.5
    if [[ -s "$file" ]]; then pass; else fail "nothing saved at $file"; fi
    expect_eq "title" "esempio svolto è.pali - PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)" \
        "$(xdotool getwindowname "$WID")"
    click Command5
    if program_ended; then pass; else fail "FINE asked with nothing changed"; fi

    start_program -- "$file"
    expect_eq "boxes of the opened file" "$before" "$(box_texts)"
    click Command3
    expect_eq "CARMAG of the opened file" 110 "$(read_box CARMAG)"
    expect_eq "M8 of the opened file" 313,09 "$(read_box M8)"
    check_print_dialog
    type_into CV 25
    click Command5
    sleep 0.5
    expect_eq "windows while FINE asks" 2 "$(window_count)"
    xdotool key Escape   # Annulla
    sleep 0.3
    expect_eq "windows after Annulla" 1 "$(window_count)"
    expect_eq "CV after Annulla" 25 "$(read_box CV)"
    check_fine

    printf '{\n  "formato": "portanza-pali",\n  "versione": ' >"$folder/rotto.pali"
    start_program -- "$folder/rotto.pali"
    sleep 0.5
    # The message stands over the window; its text is selectable: click into
    # it, then copy it all.
    xdotool mousemove --window "$(xdotool getactivewindow)" 100 32 click 1
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    local message
    message="$(timeout 3 xclip -o -selection clipboard 2>/dev/null)"
    [[ "$message" == *"Impossibile aprire «rotto.pali»: il file è troncato"* ]] && pass ||
        fail "message for a damaged file: '$message'"
    xdotool key Return
    sleep 0.3
    expect_eq "windows after the message" 1 "$(window_count)"
    expect_eq "A after a damaged file" "" "$(read_box A)"
    check_fine

    expect_eq "type of a project file" application/x-portanza-pali "$(xdg-mime query filetype "$file")"
    expect_eq "program for project files" io.github.portanza_pali.portanza_pali.desktop \
        "$(xdg-mime query default application/x-portanza-pali)"
}

start_display
start_printer
start_program
check_worked_example
check_layer_review
check_failed_click
check_printed_report
check_long_diameter_report 200000
check_fine
check_saved_report
check_fine
check_project_files

echo "e2e: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
