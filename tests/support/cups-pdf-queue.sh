# SPDX-License-Identifier: MIT
# Shell functions for the tests that print through a real CUPS queue; source
# this file. Whoever starts the scheduler holds /tmp/pali-cups.lock meanwhile
# (flock /tmp/pali-cups.lock ...), so that only one cupsd runs on the machine.

# Starts cupsd in the background, its log in the given file, and makes "PDF",
# a cups-pdf queue that writes every job as a PDF into ~/PDF, the default
# queue. CUPSD_PID is the scheduler's process.
start_cups_pdf_queue() {  # log
    mkdir -p /run/cups
    /usr/sbin/cupsd -f >"$1" 2>&1 &
    CUPSD_PID=$!
    for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && break; sleep 0.1; done
    lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>>"$1"
    # Without cairo the PDF's text is drawn as shapes that no reader can read back.
    lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
    lpadmin -d PDF
}

# Waits until the queue is empty and a PDF has landed in the folder, and
# names it; fails after 20 seconds.
wait_for_printed_pdf() {  # folder
    for _ in $(seq 100); do
        if [[ -z "$(lpstat -o 2>/dev/null)" ]] && compgen -G "$1/*.pdf" >/dev/null; then
            compgen -G "$1/*.pdf" | head -1
            return 0
        fi
        sleep 0.2
    done
    return 1
}
