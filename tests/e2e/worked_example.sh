# SPDX-License-Identifier: MIT
# The checks that the end-to-end tests of both front ends share: the worked
# example typed in and computed under each combination, the layer review, a
# failed click, and the report printed through the CUPS queue, every read-out
# and line compared with what the program must show. Sourced after
# e2e_helpers.sh; a front end whose message boxes can be read defines
# read_message, which prints the text of the message shown.
# shellcheck shell=bash

enter_layer() {  # angle thickness weight k
    click Command6
    type_into E "$1"; type_into F "$2"; type_into G "$3"; type_into D "$4"
    click Command1
}

enter_worked_example() {
    type_into A 60; type_into B 12; type_into C 2
    enter_layer 30 5 1,8 1
    enter_layer 34 7 1,9 0,8
    type_into K1 30; type_into M5 2; type_into CP 50; type_into CPNS 10; type_into CV 20
}

check_worked_example() {
    enter_worked_example

    local combination expected
    local -a results=("110 333,07 193,3 139,77 313,09" "89 190,82 113,7 77,12 179,37"
                      "110 264,73 143,18 121,54 248,85")
    for combination in 0 1 2; do
        click "Comb1($combination)"
        click Command3
        read -r -a expected <<<"${results[$combination]}"
        expect_eq "CARTOT, combination $combination" 80 "$(read_box CARTOT)"
        expect_eq "CARMAG, combination $combination" "${expected[0]}" "$(read_box CARMAG)"
        expect_eq "K3, combination $combination" "${expected[1]}" "$(read_box K3)"
        expect_eq "M3, combination $combination" "${expected[2]}" "$(read_box M3)"
        expect_eq "M4, combination $combination" "${expected[3]}" "$(read_box M4)"
        expect_eq "M8, combination $combination" "${expected[4]}" "$(read_box M8)"
    done
    click "Comb1(0)"
    click Command3
}

check_layer_review() {
    click Command6   # the cursor wraps from layer 2 to layer 1
    expect_eq "layer shown" 1 "$(read_box I)"
    expect_eq "angle of layer 1" 30 "$(read_box E)"
    expect_eq "unit weight of layer 1" 1,8 "$(read_box G)"
    type_into G 1,85
    click Command1
    click Command6
    click Command6
    expect_eq "layer shown after a round" 1 "$(read_box I)"
    expect_eq "changed unit weight" 1,85 "$(read_box G)"
    type_into G 1,8
    click Command1
    click Command6   # back on layer 2, as the worked example left it
}

check_failed_click() {
    local slenderness before after
    click Command2
    slenderness="$(read_box H)"
    expect_eq "slenderness" 20 "$slenderness"
    expect_eq "tip angle" 34 "$(read_box Z9)"
    type_into A ""
    before="$(window_count)"
    click Command2
    sleep 0.5
    after="$(window_count)"
    if (( after > before )); then pass; else fail "no message box after a failed click"; fi
    if declare -F read_message >/dev/null; then
        expect_eq "the message" $'Errore: Tipo non corrispondente\nCampo: «DIAMETRO PALO "cm"»\nDati e risultati sono rimasti come prima del comando.' \
            "$(read_message)"
    fi
    xdotool key Return
    sleep 0.3
    expect_eq "message box closed" "$before" "$(window_count)"
    expect_eq "slenderness kept" "$slenderness" "$(read_box H)"
    expect_eq "diameter still empty" "" "$(read_box A)"
    type_into A 60
}

check_printed_report() {  # [diameter]
    print_report && check_report_text "$PRINTED_PDF" "$@"
}

# Stampa... (Ctrl+P): the system's print dialog offers the default printer,
# and Enter prints there the same report as STAMPA.
check_print_dialog() {
    rm -rf "$HOME/PDF"
    xdotool key ctrl+p
    if ! wait_for_window_count 2; then
        fail "no print dialog after Ctrl+P"; return
    fi
    sleep 0.5
    xdotool key Return
    if PRINTED_PDF="$(wait_for_printed_pdf "$HOME/PDF")"; then
        check_report_text "$PRINTED_PDF"
    else
        fail "no PDF from Stampa..."
    fi
}

# A diameter far wider than the page: its line continues on the lines below
# it, and the rest of the report reads as usual.
check_long_diameter_report() {  # digits
    local long
    long="$(printf '0123456789%.0s' $(seq $(($1 / 10))))"
    click A
    paste_text "$long"
    sleep 0.5
    # Wine hands a long text to the clipboard slowly, the more so on a busy machine.
    expect_eq "characters of the pasted diameter" "$1" "$(read_box A 60 | wc -m)"
    check_printed_report "$long"
    type_into A 60
}

# The worked example's report under combination 1, as the PDF's text. The
# continuation lines of a long diameter hold digits only, from the margin:
# joined back to the line they continue, they give the line as composed.
check_report_text() {  # pdf [diameter]
    local text squeezed line
    text="$(pdf_text "$1" | tr -d '\f' |
            awk '/^[0-9]+$/ && NR > 1 { line = line $0; next } NR > 1 { print line } { line = $0 } END { print line }')"
    # Text extraction may fold a run of blanks into one.
    squeezed="$(tr -s ' ' <<<"$text")"
    for line in "PORTANZA DEI PALI DI FONDAZIONE" "DIAMETRO DEL PALO (cm)=${2:-60}" \
                "LUNGHEZZA PALO (mt)=12" "NUMERO PALI=2" "DATI STRATIGRAFICI" \
                "NQ(coefficiente TESK-ORBEL)=30" "CARICO  TOTALE(tonn.)=80," \
                "CARICO TOTALE INCREMENTATO(tonn.)=110," "PORTANZA ALLA PUNTA(tonn.)=193,3" \
                "PORTANZA LATERALE (tonn.)=139,77" "PORTANZA TOTALE(tonn.)=333,07" \
                "PORTANZA TOTALE RIDOTTA(Np>1)(tonn.)=313,09" \
                "APPROCCIO 1    COMBINAZIONE1(A1+M1+R1)" "IL TECNICO" \
                "Il programma è stato realizzato"; do
        if grep -qF -f <(tr -s ' ' <<<"$line") <<<"$squeezed"; then
            pass
        else
            fail "report lacks '${line:0:80}'"
        fi
    done
    if grep -qE '^ +1 +30 +5 +1,8 +1 *$' <<<"$text"; then pass; else fail "layer row 1 not in its columns"; fi
}
