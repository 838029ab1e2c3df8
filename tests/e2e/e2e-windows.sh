#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the Windows program under Wine the way a person does, as e2e.sh
# drives the Linux one: under Xvfb with a window manager, clicks into boxes by
# their position, types, presses buttons, picks options, reads the boxes back
# through the clipboard and a message box through its own controls, and
# prints the report through GDI on a real CUPS queue whose PDF is checked
# with pdftotext. The read-outs and report lines expected are those the
# Linux program shows for the same input. Starts cupsd: run it under
# flock /tmp/pali-cups.lock.
#
# The project's file too: the worked example saved with Ctrl+S under a name
# with an accented letter given to the real save dialog, the program
# started on that file, Stampa... through Windows' print dialog onto the
# same queue, and the question FINE asks after a change.
#
#
# The calculation report too: File → Esporta relazione... writes the Word
# file of the saved project, and --relazione that of every validation case,
# each the same bytes as the Linux program's; a PDF without Windows' PDF
# printer is refused with status 3. These run when the Linux program is given.
#
# Usage: tests/e2e/e2e-windows.sh PROGRAM.exe CONTROL-CENTRES MESSAGE-TEXT.exe [LINUX-PROGRAM CASES]
#   CONTROL-CENTRES  the Linux tool that prints where each control is clicked
#   MESSAGE-TEXT     the Windows tool that prints the text of a message box;
#                    client_origin.exe, beside it, where the form begins
#   LINUX-PROGRAM    the Linux program, whose Word files are the reference
#   CASES            the folder of the validation cases' project files
# The program runs in the Wine prefix WINEPREFIX names, or in a fresh one.
set -uo pipefail

PROGRAM="$(realpath "$1")"
CONTROL_CENTRES="$2"
MESSAGE_TEXT="$(realpath "$3")"
CLIENT_ORIGIN="$(dirname "$MESSAGE_TEXT")/client_origin.exe"
LINUX_PROGRAM="${4:+$(realpath "$4")}"
CASES="${5:+$(realpath "$5")}"
source "$(dirname "$0")/e2e_helpers.sh"
source "$(dirname "$0")/worked_example.sh"
source "$(dirname "$0")/../support/wine-prefix.sh"
# Wine takes the user's number conventions from the C library's locale.
LAUNCHER=(env LOCPATH="$LOCALES" wine)
# Wine's edit control has no Ctrl+A.
SELECT_ALL="End shift+Home"

wine_settings "${WINEPREFIX:-$WORK/wine-prefix}"
trap 'wineserver -k 2>/dev/null; stop_all; rm -rf "$WORK"' EXIT

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

# The controls are clicked from where the form begins, below the menu bar:
# the client area's corner on the screen less the corner from which xdotool
# places the pointer in the window.
start_windows_program() {
    local origin X Y SCREEN WINDOW
    start_program
    # In the program's locale: started in another just after the program, it
    # changed the number conventions of the whole Wine session.
    read -r -a origin <<<"$(LANG=it_IT.UTF-8 LC_ALL= "${LAUNCHER[@]}" "$CLIENT_ORIGIN" 2>/dev/null | tr -d '\r')"
    xdotool mousemove --window "$WID" 0 0
    eval "$(xdotool getmouselocation --shell)"
    CLIENT_OFFSET=($((origin[0] - X)) $((origin[1] - Y)))
}

title_of_program() { xdotool getwindowname "$WID"; }

PROJECT_NAME="progetto è"
PROJECT_FILE="$WORK/$PROJECT_NAME.pali"
PROJECT_WINDOWS_PATH="Z:${PROJECT_FILE//\//\\}"

# Ctrl+S on a project never saved asks for a name; the extension is added to
# a name typed without it, and the title names the file.
check_saved_with_ctrl_s() {
    xdotool key ctrl+s
    if ! wait_for_window_count 2; then
        fail "Ctrl+S opened no save dialog"; return
    fi
    sleep 0.5
    paste_text "${PROJECT_WINDOWS_PATH%.pali}"
    xdotool key Return
    for _ in $(seq 50); do [[ -s "$PROJECT_FILE" ]] && break; sleep 0.1; done
    if [[ -s "$PROJECT_FILE" ]]; then pass; else fail "no file $PROJECT_FILE"; fi
    # The title follows the file a moment later.
    local title="$PROJECT_NAME.pali - PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)"
    for _ in $(seq 50); do [[ "$(title_of_program)" == "$title" ]] && break; sleep 0.1; done
    expect_eq "title with the file" "$title" "$(title_of_program)"
}

# Started on the file, as a double-click starts it: every box back, and the
# calculation gives the worked example's read-outs again.
check_reopened_project() {
    local box expected
    while read -r box expected; do
        expect_eq "$box opened from the file" "$expected" "$(read_box "$box")"
    done <<<"A 60
B 12
C 2
I 2
E 34
F 7
G 1,9
D 0,8
K1 30
M5 2
CP 50
CPNS 10
CV 20
K3 333,07"
    type_into K3 ""
    type_into M8 ""
    click Command3
    expect_eq "K3 computed after opening" 333,07 "$(read_box K3)"
    expect_eq "M8 computed after opening" 313,09 "$(read_box M8)"
}

# After a change FINE asks; Annulla (Escape) keeps the program and its
# texts, Non salvare (Alt+N) ends it.
check_question_on_fine() {
    local saved
    saved="$(sha256sum <"$PROJECT_FILE")"
    click Command5
    if ! wait_for_window_count 2; then
        fail "FINE asked nothing after a change"; return
    fi
    pass
    xdotool key Escape
    wait_for_window_count 1
    sleep 0.3
    if kill -0 "$APP" 2>/dev/null; then pass; else fail "Annulla ended the program"; return; fi
    expect_eq "diameter kept after Annulla" 60 "$(read_box A)"
    click Command5
    wait_for_window_count 2
    xdotool key alt+n
    for _ in $(seq 50); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$APP" 2>/dev/null; then fail "Non salvare did not end the program"; else pass; fi
    expect_eq "the file unchanged by Non salvare" "$saved" "$(sha256sum <"$PROJECT_FILE")"
}

# A read-out of the panel VERIFICA, reached as the engineer reaches it: F6
# from the form to the verticals, Tab on to the read-out, and copied.
read_panel() {  # Tabs from the verticals' box
    click A
    xdotool key F6
    sleep 0.1
    for _ in $(seq "$1"); do xdotool key Tab; done
    read_focused
}

# The verticals typed into the panel: its factors and the third
# combination's Rd follow, and STAMPA prints the check's block after the
# combination line, the lines the Linux program prints for the same project.
check_panel_and_printed_block() {
    local text line
    type_verticals 3
    expect_eq "factors in the panel" "ξ3 = 1,60, ξ4 = 1,48" "$(read_panel 1)"
    expect_eq "the shortest length under NTC 2018 in the panel" "LUNGHEZZA MINIMA NTC 2018: 8,20 m" "$(read_panel 4)"
    expect_eq "Rd of A1+M1+R3 in the panel" "155,53" "$(read_panel 15)"
    print_report || return
    text="$(pdf_text "$PRINTED_PDF" | tr -s ' ' | sed 's/^ //')"
    while IFS= read -r line; do
        if grep -qxF -- "$line" <<<"$text"; then pass; else fail "printed report lacks the check's line '$line'"; fi
    done <<<"$(tr -s ' ' <"$(dirname "$0")/win32/worked_example_check_block.txt")"
}

windows_path() { local path="${1//\//\\}"; echo "Z:$path"; }

# The Linux program's Word report of a project file, written to a path.
linux_word_report() {  # output project
    LOCPATH="$LOCALES" LANG=it_IT.UTF-8 LC_ALL= "$LINUX_PROGRAM" --relazione "$1" "$2"
}

# File → Esporta relazione... (Alt+F, R) on the project just saved, a name
# ending in .docx given to the real save dialog: the Linux program's bytes.
check_exported_word_report() {
    local exported="$WORK/relazione è.docx"
    xdotool key alt+f
    sleep 0.3
    xdotool key r
    if ! wait_for_window_count 2; then
        fail "Esporta relazione... opened no dialog"; return
    fi
    sleep 0.5
    paste_text "$(windows_path "${exported%.docx}")"
    xdotool key Tab Down
    xdotool key Return
    for _ in $(seq 100); do [[ -s "$exported" ]] && break; sleep 0.1; done
    linux_word_report "$WORK/linux.docx" "$PROJECT_FILE"
    if cmp -s "$WORK/linux.docx" "$exported"; then
        pass
    else
        fail "the exported Word file differs from Linux's; in the folder: $(ls "$WORK" | tr '\n' ' ')"
    fi
}

# --relazione with no window: every validation case's Word file is the Linux
# program's, and a PDF, with no PDF printer under Wine, is refused.
check_report_command() {
    local project name status message
    for project in "$CASES"/caso*.pali; do
        name="$(basename "$project" .pali)"
        linux_word_report "$WORK/$name-linux.docx" "$project"
        LOCPATH="$LOCALES" LANG=it_IT.UTF-8 LC_ALL= wine "$PROGRAM" --relazione \
            "$(windows_path "$WORK/$name.docx")" "$(windows_path "$project")" 2>/dev/null
        if cmp -s "$WORK/$name-linux.docx" "$WORK/$name.docx"; then pass; else fail "$name: the Word file differs from Linux's"; fi
    done
    LOCPATH="$LOCALES" LANG=it_IT.UTF-8 LC_ALL= wine "$PROGRAM" --relazione \
        "$(windows_path "$WORK/caso1.pdf")" "$(windows_path "$CASES/caso1.pali")" >/dev/null 2>"$WORK/refused"
    status=$?
    expect_eq "no PDF printer: the exit status" 3 "$status"
    message="$(tr -d '\r' <"$WORK/refused" | grep -Ev '^[0-9a-f]+:(fixme|err|warn|trace):')"
    expect_eq "no PDF printer: the message" \
        "Impossibile scrivere la relazione «caso1.pdf»: su questo computer non è installata la stampante «Microsoft Print to PDF»." \
        "$message"
    [[ -e "$WORK/caso1.pdf" ]] && fail "a PDF was left without a PDF printer" || pass
}

start_display
start_printer
prepare_prefix
start_windows_program
check_worked_example
check_saved_with_ctrl_s
[[ -n "$LINUX_PROGRAM" ]] && check_exported_word_report
check_fine
PROGRAM_ARGS=("$PROJECT_WINDOWS_PATH")
start_windows_program
check_reopened_project
check_print_dialog
check_layer_review
check_failed_click
check_printed_report
check_long_diameter_report 50000
check_panel_and_printed_block
check_question_on_fine
[[ -n "$LINUX_PROGRAM" ]] && check_report_command

echo "e2e-windows: $PASSES passed, $FAILURES failed"
(( FAILURES == 0 ))
