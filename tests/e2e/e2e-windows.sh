#!/usr/bin/env bash
# Drives the Windows program under Wine the way a person does, as e2e.sh
# drives the Linux one: under Xvfb with a window manager, clicks into boxes by
# their position, types, presses buttons, picks options, reads the boxes back
# through the clipboard and a message box through its own controls, and
# prints the report through GDI on a real CUPS queue whose PDF is checked
# with pdftotext. The read-outs and report lines expected are those the
# Linux program shows for the same input. Starts cupsd: run it under
# flock /tmp/pali-cups.lock.
#
# Usage: tests/e2e/e2e-windows.sh PROGRAM.exe CONTROL-CENTRES MESSAGE-TEXT.exe
#   CONTROL-CENTRES  the Linux tool that prints where each control is clicked
#   MESSAGE-TEXT     the Windows tool that prints the text of a message box
# The program runs in the Wine prefix WINEPREFIX names, or in a fresh one.
set -uo pipefail

PROGRAM="$(realpath "$1")"
CONTROL_CENTRES="$2"
MESSAGE_TEXT="$(realpath "$3")"
source "$(dirname "$0")/e2e_helpers.sh"
source "$(dirname "$0")/worked_example.sh"
source "$(dirname "$0")/../support/wine-prefix.sh"
LOCALES="$WORK/locale"
LAUNCHER=(env LOCPATH="$LOCALES" wine)
# Wine's edit control has no Ctrl+A.
SELECT_ALL="End shift+Home"
MENU_BAR=0

wine_settings "${WINEPREFIX:-$WORK/wine-prefix}"
trap 'wineserver -k 2>/dev/null; stop_all; rm -rf "$WORK"' EXIT

# Wine takes the user's number conventions from the C library's locale, so
# the Italian one must exist; it is compiled here rather than asked of the
# machine.
make_italian_locale() {
    mkdir -p "$LOCALES"
    localedef -i it_IT -f UTF-8 "$LOCALES/it_IT.UTF-8" 2>/dev/null ||
        { echo "FAIL: no Italian locale (localedef)"; exit 1; }
}

# A prefix made afresh, or the installer's, ended first so that the program
# starts a Wine session on this test's display and sees its print queue.
prepare_prefix() {
    wineserver -k 2>/dev/null
    make_wine_prefix
}

# Printed under Wine, the PDF names two glyphs of the Windows font by code
# points that look alike: the hyphen as a soft hyphen and the semicolon as
# the Greek question mark; they are read back as what was printed.
pdf_text() { pdftotext -layout "$1" - | sed 's/\xc2\xad/-/g; s/\xcd\xbe/;/g'; }

read_message() {
    "${LAUNCHER[@]}" "$MESSAGE_TEXT" 2>/dev/null | tr -d '\r'
}

make_italian_locale
start_display
start_printer
prepare_prefix
start_program
check_worked_example
check_layer_review
check_failed_click
check_printed_report
check_long_diameter_report 50000
check_fine

echo "e2e-windows: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
