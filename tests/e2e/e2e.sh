#!/usr/bin/env bash
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

echo "e2e: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
