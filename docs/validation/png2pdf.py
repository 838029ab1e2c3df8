#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mette un'immagine PNG (RGB a 8 bit, non interlacciata) in un PDF di una
pagina grande quanto l'immagine a 96 punti per pollice, perché groff la possa
includere. I dati compressi del PNG passano nel PDF così come sono, con il
predittore PNG: nessun pixel cambia, e nessuna data o nome entra nel file.

Uso: png2pdf.py IMMAGINE.png USCITA.pdf
"""

import struct
import sys
from pathlib import Path


def blocchi(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("png2pdf.py: non è un PNG")
    pos = 8
    while pos < len(png):
        lunghezza, tipo = struct.unpack(">I4s", png[pos:pos + 8])
        yield tipo, png[pos + 8:pos + 8 + lunghezza]
        pos += 12 + lunghezza


def main():
    png = Path(sys.argv[1]).read_bytes()
    dati = b""
    for tipo, contenuto in blocchi(png):
        if tipo == b"IHDR":
            larghezza, altezza, bit, colore, _, _, interlacciato = struct.unpack(">IIBBBBB", contenuto)
            if (bit, colore, interlacciato) != (8, 2, 0):
                sys.exit("png2pdf.py: serve un PNG RGB a 8 bit non interlacciato")
        elif tipo == b"IDAT":
            dati += contenuto
    punti_l, punti_a = larghezza * 72 / 96, altezza * 72 / 96
    pagina = f"q {punti_l:.2f} 0 0 {punti_a:.2f} 0 0 cm /Im Do Q".encode()
    oggetti = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        (f"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 {punti_l:.2f} {punti_a:.2f}] "
         f"/Resources << /XObject << /Im 5 0 R >> >> /Contents 4 0 R >>").encode(),
        b"<< /Length %d >>\nstream\n" % len(pagina) + pagina + b"\nendstream",
        (f"<< /Type /XObject /Subtype /Image /Width {larghezza} /Height {altezza} "
         f"/ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode "
         f"/DecodeParms << /Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns {larghezza} >> "
         f"/Length {len(dati)} >>\nstream\n").encode() + dati + b"\nendstream",
    ]
    uscita = bytearray(b"%PDF-1.4\n")
    posizioni = []
    for numero, oggetto in enumerate(oggetti, 1):
        posizioni.append(len(uscita))
        uscita += b"%d 0 obj\n" % numero + oggetto + b"\nendobj\n"
    xref = len(uscita)
    uscita += b"xref\n0 %d\n0000000000 65535 f \n" % (len(oggetti) + 1)
    uscita += b"".join(b"%010d 00000 n \n" % p for p in posizioni)
    uscita += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(oggetti) + 1, xref)
    Path(sys.argv[2]).write_bytes(bytes(uscita))


if __name__ == "__main__":
    main()
