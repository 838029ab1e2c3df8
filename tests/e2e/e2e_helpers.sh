# SPDX-License-Identifier: MIT
# The helpers of the end-to-end tests: a virtual screen with a window manager,
# a CUPS queue that prints into PDF files, the program started on them, and
# clicks, typing and reading back of its boxes by the window's own control
# table. Sourced by the tests, which set PROGRAM and CONTROL_CENTRES first;
# for a program that is not a Qt program of this machine, they then set
# LAUNCHER (the command that starts it) and SELECT_ALL (the keys that select
# a box's text).
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../support/cups-pdf-queue.sh"

WORK="$(mktemp -d)"
LOCALES="$WORK/locale"
LAUNCHER=(env QT_QPA_PLATFORM=xcb)
SELECT_ALL="ctrl+a"
FAILURES=0
PASSES=0
PIDS=()

stop_all() {
    for pid in "${PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    PIDS=()
}
trap 'stop_all; rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { PASSES=$((PASSES + 1)); }
expect_eq() {  # what, expected, actual
    if [[ "$2" == "$3" ]]; then pass; else fail "$1: expected '$2', got '$3'"; fi
}

# Centres of the controls, in pixels from the client area's top-left corner,
# as the window's own control table places them: "name x y" a line.
declare -A AT=()
if ! centres="$("$CONTROL_CENTRES")"; then
    echo "FAIL: no control centres from $CONTROL_CENTRES"; exit 1
fi
while read -r name x y; do
    AT[$name]="$x $y"
done <<<"$centres"

# CLIENT_OFFSET is where the form begins inside the program's window: below
# the menu bar that the Qt window draws inside its client area, or where a
# test has measured it.
CLIENT_OFFSET=(0 "${AT[MenuBar]#* }")

# Buttons are clicked by their names: Command6 STRATO N, Command1 OK,
# Command2 CALCOLA L/D, Command3 CALCOLA PORTANZA, Command4 STAMPA, Command5 FINE;
# the options by theirs, Comb1(0) to Comb1(2).
click() {
    local at=(${AT[$1]})
    xdotool mousemove --window "$WID" $((at[0] + CLIENT_OFFSET[0])) $((at[1] + CLIENT_OFFSET[1])) click 1
    sleep 0.1
}

type_into() {  # box, text
    click "$1"
    xdotool key $SELECT_ALL BackSpace
    [[ -n "$2" ]] && xdotool type --delay 15 -- "$2"
    sleep 0.05
}

# Puts a text in place of what the focused field holds, through the
# clipboard: xdotool types a letter beyond ASCII through a key it remaps for a
# moment, which a dialog may not see in time. Wine learns of the clipboard's
# new owner through an event of its own, so the paste waits a moment for it.
paste_text() {  # text
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    sleep 0.2
    xdotool key $SELECT_ALL ctrl+v
}

# The verticals box is the panel's, beside the form: from a box of the form,
# F6 takes the focus to it, as it takes the engineer's.
type_verticals() {  # text
    click A
    xdotool key F6
    sleep 0.1
    xdotool key $SELECT_ALL BackSpace
    [[ -n "$1" ]] && xdotool type --delay 15 -- "$1"
    sleep 0.05
}

# The text of the control with the focus, copied as the user copies it; an
# empty one copies nothing, so a marker stands for it.
read_focused() {  # [seconds to wait]
    printf '%s' '<empty>' | xclip -selection clipboard -i >/dev/null 2>&1
    xdotool key $SELECT_ALL ctrl+c
    local text
    # A long text takes the program a moment to hand over; an empty box never
    # does. A reading that fails or runs out of time gives nothing, not even
    # the marker: it is tried again.
    for _ in $(seq $((${1:-2} * 10))); do
        sleep 0.1
        text="$(timeout 3 xclip -o -selection clipboard 2>/dev/null)"
        [[ -n "$text" && "$text" != '<empty>' ]] && break
    done
    [[ "$text" == '<empty>' ]] && text=""
    printf '%s' "$text"
}

read_box() {  # box [seconds to wait]
    click "$1"
    read_focused "${2:-2}"
}

window_count() { xdotool search --onlyvisible --pid "$APP" 2>/dev/null | wc -l; }

wait_for_window_count() {  # count; true once the program shows that many windows
    for _ in $(seq 100); do
        (( $(window_count) == $1 )) && return 0
        sleep 0.1
    done
    return 1
}

# The program runs under the Italian locale, compiled for the run rather than
# asked of the machine: where a machine has none, the C library falls back to
# "C" and its decimal point, and a fault of the decimal comma goes unseen.
make_italian_locale() {
    local point
    mkdir -p "$LOCALES"
    localedef -i it_IT -f UTF-8 "$LOCALES/it_IT.UTF-8" 2>/dev/null ||
        { echo "FAIL: no Italian locale (localedef)"; exit 1; }
    point="$(LOCPATH="$LOCALES" LC_ALL=it_IT.UTF-8 locale decimal_point 2>&1)"
    [[ "$point" == "," ]] || { echo "FAIL: the Italian locale's decimal point is '$point'"; exit 1; }
    echo "The program runs under it_IT.UTF-8, decimal point '$point'"
}
make_italian_locale

start_display() {
    # A free display number, chosen by the server itself.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do [[ -s "$WORK/display" ]] && break; sleep 0.05; done
    export DISPLAY=":$(head -1 "$WORK/display")"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    openbox >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    sleep 0.5
}

start_printer() {
    start_cups_pdf_queue "$WORK/cupsd.log"
    PIDS+=("$CUPSD_PID")
}

# PROGRAM_ARGS: what the program is started with, a file to open say.
PROGRAM_ARGS=()
start_program() {  # [NAME=value ...] for the program's environment [-- ARGUMENT ...]
    local environment=() arguments=("${PROGRAM_ARGS[@]}")
    while (($#)); do
        if [[ "$1" == -- ]]; then shift; arguments=("$@"); break; fi
        environment+=("$1"); shift
    done
    env "${environment[@]}" LOCPATH="$LOCALES" LANG=it_IT.UTF-8 LC_ALL= "${LAUNCHER[@]}" "$PROGRAM" "${arguments[@]}" \
        >"$WORK/program.log" 2>&1 &
    APP=$!
    PIDS+=("$APP")
    WID="$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP" | head -1)"
    if [[ -z "$WID" ]]; then
        echo "FAIL: the program's window did not appear"; cat "$WORK/program.log"; exit 1
    fi
    timeout 10 xdotool windowactivate --sync "$WID"
    sleep 0.5
}

# The text of a printed PDF, its columns kept.
pdf_text() { pdftotext -layout "$1" -; }

# Presses STAMPA; PRINTED_PDF names the PDF that the print queue made of the report.
print_report() {
    local pdf_dir="$HOME/PDF"
    PRINTED_PDF=""
    rm -rf "$pdf_dir"
    click Command4
    if ! PRINTED_PDF="$(wait_for_printed_pdf "$pdf_dir")"; then
        fail "no PDF from the print queue"
        return 1
    fi
}

wait_for_window() {  # title pattern; true once such a window is shown
    for _ in $(seq 50); do
        xdotool search --all --onlyvisible --pid "$APP" --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

program_ended() {  # true once the program has ended, within five seconds
    for _ in $(seq 50); do kill -0 "$APP" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

# FINE on a window with unsaved work asks first; the answer here is
# "Non salvare", by its key (Alt+N).
check_fine() {
    click Command5
    sleep 0.5
    (( $(window_count) > 1 )) && xdotool key alt+n
    if program_ended; then pass; else fail "FINE did not end the program"; fi
}
