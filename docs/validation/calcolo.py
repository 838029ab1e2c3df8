#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Calcolo indipendente dei casi prova della relazione di validazione.

Ripete a mano, in aritmetica decimale a 50 cifre, quello che il programma fa
con i dati di ogni file di input: le letture delle caselle, i passi di
CALCOLA L/D e di CALCOLA PORTANZA, la scrittura a 15 cifre significative e a
due decimali. Non usa nulla del codice del programma. Scrive:

  - per ogni caso un frammento groff (tbl, eqn) con i dati, la soluzione passo
    per passo e le letture attese, incluso dalla relazione;
  - cifre.tsv: ogni cifra che la relazione mostra, caso per caso, che i test
    confrontano con quello che il programma visualizza e stampa;
  - la tabella 6.4.IV dei fattori di correlazione ξ (tabella-xi.ms, e
    fattori-xi.tsv per i test) e le portanze dell'esempio svolto divise per ξ
    (esempio-xi.ms, e le righe XI di cifre.tsv);
  - per ogni caso che digita le verticali indagate, la verifica di progetto:
    Nq letto dalla tabella della finestra, i fattori ξ, le tre combinazioni
    con Ed, Rd, il rapporto e l'esito, gli esiti dei due approcci, gli avvisi
    e il riquadro della relazione stampata (righe VERIFICA, AVVISO e
    RELAZIONE di cifre.tsv), e il controllo a mano del giudizio di
    accettabilità sull'esempio svolto (giudizio.ms).

Uso: calcolo.py CARTELLA_CASI CARTELLA_USCITA
"""

import copy
import re
import sys
from decimal import ROUND_HALF_EVEN, ROUND_HALF_UP, Decimal, getcontext
from pathlib import Path

getcontext().prec = 50

SEPARATORE = ","          # i casi sono digitati con le impostazioni italiane
PI = Decimal("3.14")      # il programma usa 3,14 per pi greco ovunque
RIGHE = 21                # la tabella degli strati ha le righe da 0 a 20

# Il programma calcola in doppia precisione (circa 16 cifre significative).
# Una cifra arrotondata a due decimali è la stessa del calcolo esatto se il
# valore esatto dista dal limite di arrotondamento più di quanto il calcolo
# in doppia precisione possa sbagliare: il margine chiesto, relativo al valore,
# è molto più largo di quell'errore. Un numero scritto a 15 cifre che la
# finestra mostra deve invece avere al più 12 cifre significative esatte.
MARGINE_MINIMO = Decimal("1e-9")
CIFRE_ESATTE = 12

# Le tre combinazioni nell'ordine dei pulsanti d'opzione: fattori sui carichi
# CP, CPNS, CV, divisore di tan φ, divisore della punta (4 × γb), divisore
# della laterale (100 × γs).
COMBINAZIONI = [
    ("Approccio 1 Combinazione 1 (A1+M1+R1)", "1,3", "1,5", "1,5", "1", "4", "100"),
    ("Approccio 1 Combinazione 2 (A2+M2+R2)", "1", "1,3", "1,3", "1,25", "6,8", "145"),
    ("Approccio 2 (A1+M1+R3)", "1,3", "1,5", "1,5", "1", "5,4", "115"),
]
RIGA_COMBINAZIONE = [
    " APPROCCIO 1    COMBINAZIONE1(A1+M1+R1)",
    " APPROCCIO 1    COMBINAZIONE2(A2+M2+R2)",
    " APPROCCIO 2    COMBINAZIONE1(A1+M1+R3)",
]
COEFFICIENTI_GRUPPO = ["1", "0,94", "0,87", "0,84", "0,82", "0,80"]

# D.M. 14/01/2008, paragrafo 6.4.3.1.1, tabella 6.4.IV: i fattori di
# correlazione ξ3 (sulla media) e ξ4 (sul minimo) delle resistenze calcolate,
# per numero di verticali indagate; l'ultima riga vale per 10 o più.
FATTORI_XI = [
    ("1", "1,70", "1,70"),
    ("2", "1,65", "1,55"),
    ("3", "1,60", "1,48"),
    ("4", "1,55", "1,42"),
    ("5", "1,50", "1,34"),
    ("7", "1,45", "1,28"),
    ("10", "1,40", "1,21"),
]
# L'esempio svolto, un caso per combinazione, le sue portanze e le verticali
# per cui la relazione le mostra divise per ξ.
ESEMPIO_SVOLTO = ["caso1", "caso2", "caso3"]
PORTANZE = ["M3", "M4", "K3", "M8"]
VERTICALI_ESEMPIO = ["1", "3"]

# La tabella di Berezantzev della finestra, come le sue tre righe la scrivono:
# "fi (gradi) 28-30-32-34-36-38-40", "L/D=25 Nq=12-17-25-40-58-89-137",
# "L/D=50 Nq=9-14-22-37-56-88-136".
ANGOLI_NQ = [Decimal(a) for a in (28, 30, 32, 34, 36, 38, 40)]
NQ_25 = [Decimal(n) for n in (12, 17, 25, 40, 58, 89, 137)]
NQ_50 = [Decimal(n) for n in (9, 14, 22, 37, 56, 88, 136)]
SNELLEZZA_PRIMA, SNELLEZZA_ULTIMA = Decimal(25), Decimal(50)
# Nq letto è arrotondato per difetto a un decimale; un decimo mancato di meno
# di un miliardesimo di decimo conta come raggiunto (il programma lo concede
# al suo calcolo in doppia precisione). Il calcolo separato si rifiuta di
# generare un caso il cui Nq cada a meno di un milionesimo sotto un decimo.
MARGINE_NQ = Decimal("1e-9")
VICINANZA_NQ = Decimal("1e-6")
TOLLERANZA_SPESSORI = Decimal("0.01")   # m: un centimetro
# I nomi delle combinazioni nel riquadro della verifica, e quelli dei due approcci.
SIGLE = ["A1+M1+R1", "A2+M2+R2", "A1+M1+R3"]
APPROCCIO_1 = "NTC 2008, Approccio 1"
APPROCCIO_2 = "NTC 2008, Approccio 2 e NTC 2018"
VERIFICATO, NON_VERIFICATO = "VERIFICATO", "NON VERIFICATO"
NESSUNA_COMPRESSIONE = "nessun carico di compressione"
# L'esempio svolto con le verticali, su cui la relazione mostra il controllo a mano.
ESEMPIO_GIUDIZIO = "caso8"
# L'esempio svolto con le verticali, su cui la relazione risolve anche la
# lunghezza: due lunghezze della griglia, una alla base del primo strato e
# una dentro il secondo, e la lunghezza minima.
ESEMPIO_CURVA = "caso8"
LUNGHEZZE_SVOLTE = [Decimal(x) for x in ("5", "8.5")]
PASSO_CURVA = Decimal("0.1")
TOLLERANZA_PUNTA = Decimal("0.001")
# L'esempio svolto con le verticali, di cui la relazione risolve anche la
# relazione di calcolo che il programma scrive: i capitoli 7.1, 7.2 e 7.3
# (il calcolo con i suoi numeri, una combinazione ciascuno) e 10.2 (il calcolo
# semplice di confronto, con la combinazione delle NTC 2018).
ESEMPIO_RELAZIONE = "caso8"
CAPITOLO_CALCOLO = "7.{}"
CAPITOLO_CONFRONTO = "10.2"
COMBINAZIONE_CONFRONTO = 2
KN_PER_T = Decimal("9.80665")   # 1 t = 9,80665 kN, per definizione
# La relazione di calcolo scrive i valori intermedi a 15 cifre significative;
# le ultime dipendono dagli arrotondamenti del calcolo in doppia precisione
# (qualche 10^-16 in relazione al valore per passo, più la mezza unità della
# quindicesima cifra). Un valore che non si esaurisce in 12 cifre è scritto
# qui con le cifre, 12 al più, il cui arrotondamento dista dal limite più di
# MARGINE_REALE in relazione al valore, seguite da SEGUE: le prove
# arrotondano la cifra della relazione allo stesso numero di cifre.
MARGINE_REALE = Decimal("1e-14")
SEGUE = "…"
# Il giudizio del calcolo di confronto: coerenti entro un quinto, in centesimi
# del rapporto come la relazione lo scrive.
CENTESIMI_COERENTI = (80, 120)
PI_VERO = Decimal("3.1416")   # il π della calcolatrice del progettista
SCARTO_ACCETTABILE = Decimal("0.002")   # 0,2%

CASELLE = ["A", "B", "C", "I", "E", "F", "G", "D", "H", "Z9", "K1", "M5", "CP", "CPNS",
           "CV", "CARTOT", "CARMAG", "M3", "M4", "K3", "M8"]
DIGITATE = ["A", "B", "C", "K1", "M5", "CP", "CPNS", "CV"]
LETTURE = ["I", "H", "Z9", "CARTOT", "CARMAG", "M3", "M4", "K3", "M8"]
DIDASCALIE = {
    "A": 'DIAMETRO PALO "cm"', "B": "LUNGHEZZA PALO (mt)", "C": "NUMERO DI STRATImax20",
    "E": "ANGOLO D'ATTRITO(gradi)", "F": "LUNGHEZZA DELLO STRATO(mt)",
    "G": "PESO SPECIFICO t/mc", "D": "COEFFICIENTE DI PRESSIONE LATERALE",
    "K1": "VALORE DI Nq", "M5": "NUMERO DI PALI(max6)", "CP": "CARICO PERMANENTE  tonn",
    "CPNS": "CARICO PERMANENTE  NON STRUTT.  tonn", "CV": "CARICO VARIABILE  tonn.",
    "CARTOT": "CARICO TOTALE  tonn", "CARMAG": "CARICO INCREMENTATO tonn",
    "M3": "PORTANZA ALLA PUNTA tonn", "M4": "PORTANZA LATERALE tonn",
    "K3": "PORTANZA  TOTALE(Tonn)", "M8": "PORTANZA   RIDOTTA  (Npali>1) tonn",
    "H": "CALCOLA L/D", "Z9": "angolo d' attrito alla punta del palo",
    "I": "STRATO N .dal piano campagna",
    "VERTICALI": "NUMERO DI VERTICALI INDAGATE",
}
TIPO_NON_CORRISPONDENTE = "Tipo non corrispondente"
INDICE_FUORI = "Indice non compreso nell'intervallo"


def numero(testo):
    """Un numero scritto con la virgola, come nelle tabelle qui sopra."""
    return Decimal(testo.replace(",", "."))


class Errore(Exception):
    """Un passo che non riesce: il tipo e la casella che lo ha causato."""

    def __init__(self, tipo, casella):
        super().__init__(tipo)
        self.tipo = tipo
        self.casella = casella

    def messaggio(self):
        return ("Errore: " + self.tipo + "\nCampo: \u00ab" + DIDASCALIE[self.casella]
                + "\u00bb\nDati e risultati sono rimasti come prima del comando.")

    def riga(self):
        """L'errore su una riga, come nel riquadro della verifica."""
        return "Errore: " + self.tipo + ", Campo: \u00ab" + DIDASCALIE[self.casella] + "\u00bb"


# --- Le letture dei testi -------------------------------------------------

NUMERO_INIZIALE = re.compile(r"[ \t]*([+-]?)(\d*)(?:[.,](\d*))?")
NUMERO_INTERO = re.compile(r"[ \t]*([+-]?)(\d*)(?:,(\d*))?[ \t]*")


def valore(segno, interi, decimali):
    testo = (interi or "0") + ("." + decimali if decimali else "")
    return -Decimal(testo) if segno == "-" else Decimal(testo)


def numero_iniziale(testo):
    """Il numero con cui il testo comincia; il primo segno decimale, punto o
    virgola, è il solo. Un testo che non comincia con un numero vale 0."""
    m = NUMERO_INIZIALE.match(testo)
    if not (m.group(2) or m.group(3)):
        return Decimal(0)
    return valore(*m.groups())


def numero_locale(testo, casella):
    """Tutto il testo come numero con la virgola decimale; altrimenti errore."""
    m = NUMERO_INTERO.fullmatch(testo)
    if not m or not (m.group(2) or m.group(3)):
        raise Errore(TIPO_NON_CORRISPONDENTE, casella)
    return valore(*m.groups())


def intero_locale(testo, casella):
    return numero_locale(testo, casella).to_integral_value(ROUND_HALF_EVEN)


# --- Le scritture dei numeri, con il margine di ogni arrotondamento -------

class Margini:
    """Per ogni cifra arrotondata, la distanza dal limite di arrotondamento."""

    def __init__(self):
        self.voci = []

    def controlla(self, nome, esatto, passo, minimo=MARGINE_MINIMO):
        if esatto == 0:
            return
        distanza = distanza_dal_limite(esatto, passo)
        if distanza / abs(esatto) < minimo:
            sys.exit(f"calcolo.py: {nome} = {esatto} è troppo vicino al limite di arrotondamento")
        self.voci.append((nome, esatto, passo, distanza))


def distanza_dal_limite(esatto, passo):
    """Quanto il valore dista dal limite di arrotondamento al passo più vicino."""
    resto = (esatto / passo) % 1
    return abs(abs(resto) - Decimal("0.5")) * passo


def virgola(testo):
    return testo.replace(".", SEPARATORE)


def testo_reale(x, nome, mostrato=True):
    """15 cifre significative, zeri finali tolti, la virgola decimale. Un
    numero che resta sulla finestra così com'è ha poche cifre esatte; uno che
    la finestra riscrive a due decimali è controllato lì."""
    if x == 0:
        return "0"
    passo = Decimal(1).scaleb(x.adjusted() - 14)
    if mostrato and len(x.normalize().as_tuple().digits) > CIFRE_ESATTE:
        sys.exit(f"calcolo.py: {nome} = {x} ha più di {CIFRE_ESATTE} cifre: cambiare il caso")
    arrotondato = x.quantize(passo, ROUND_HALF_EVEN)
    testo = format(arrotondato, "f")
    if "." in testo:
        testo = testo.rstrip("0").rstrip(".")
    return virgola(testo)


def testo_cella(cella, nome):
    return "" if cella is None else testo_reale(cella, nome)


def figura(contenuto, margini, nome):
    """Il modello "#####.##": riletto come numero, due decimali, niente zero
    davanti alla virgola, zeri finali tolti, la virgola sempre scritta."""
    try:
        x = numero_locale(contenuto, nome)
    except Errore:
        return contenuto
    passo = Decimal("0.01")
    if abs(x / passo) % 1 == Decimal("0.5"):
        # Esattamente a metà fra due centesimi: il programma rilegge il testo
        # come il binario più vicino e scrive quello, arrotondato
        # correttamente; il binario non è mai a metà, e decide.
        x = Decimal(float(x))
    else:
        margini.controlla(nome + " a due decimali", x, passo)
    interi, decimali = format(abs(x).quantize(passo, ROUND_HALF_EVEN), "f").split(".")
    interi = "" if interi == "0" else interi
    decimali = decimali.rstrip("0")
    segno = "-" if x < 0 and (interi or decimali) else ""
    return segno + interi + SEPARATORE + decimali


# --- La tangente, in serie, a 50 cifre ------------------------------------

def seno_coseno(x):
    seno, coseno, termine, n = Decimal(0), Decimal(0), Decimal(1), 0
    while True:
        if n % 2 == 0:
            nuovo = coseno + (termine if n % 4 == 0 else -termine)
            if nuovo == coseno and n > 0:
                break
            coseno = nuovo
        else:
            seno += termine if n % 4 == 1 else -termine
        n += 1
        termine = termine * x / n
    return seno, coseno


def tangente(x):
    seno, coseno = seno_coseno(x)
    return seno / coseno


# --- La finestra e i suoi comandi -----------------------------------------

class Finestra:
    """Le caselle come testi, la combinazione scelta e lo stato del progetto."""

    def __init__(self):
        self.caselle = {nome: "" for nome in CASELLE}
        self.combinazione = 0
        self.strati = [dict(ANG=None, LUNG=None, PESO=None, KLAT=None) for _ in range(RIGHE)]
        self.cursore = None
        self.coefgr = Decimal(0)
        self.verticali = ""      # la casella del pannello VERIFICA


def riga(n, casella):
    if n < 0 or n >= RIGHE:
        raise Errore(INDICE_FUORI, casella)
    return int(n)


def mostra_strato_seguente(f, passi, margini):
    """STRATO N: il cursore avanza e torna a 1 dopo l'ultimo strato."""
    f.cursore = (f.cursore or 0) + 1
    if f.cursore >= numero_locale(f.caselle["C"], "C") + 1:
        f.cursore = 1
    f.caselle["I"] = str(f.cursore)
    strato = f.strati[riga(f.cursore, "C")]
    for casella, colonna in zip("EFGD", ["ANG", "LUNG", "PESO", "KLAT"]):
        f.caselle[casella] = testo_cella(strato[colonna], casella)
    if not strato["KLAT"]:
        f.caselle["D"] = ""


def conferma_strato(f, passi, margini):
    """OK: i numeri iniziali di E, F, G, D nella riga del cursore."""
    strato = f.strati[riga(f.cursore or 0, "C")]
    for casella, colonna in zip("EFGD", ["ANG", "LUNG", "PESO", "KLAT"]):
        strato[colonna] = numero_iniziale(f.caselle[casella])


def calcola_snellezza(f, passi, margini):
    """CALCOLA L/D: H = 100 L / D, Z9 l'angolo dell'ultimo strato."""
    lunghezza = numero_locale(f.caselle["B"], "B")
    diametro = numero_locale(f.caselle["A"], "A")
    snellezza = lunghezza * 100 / diametro
    f.caselle["H"] = testo_reale(snellezza, "H")
    punta = riga(intero_locale(f.caselle["C"], "C"), "C")
    f.caselle["Z9"] = testo_cella(f.strati[punta]["ANG"], "Z9")
    passi.update(L=lunghezza, Dcm=diametro, LD=snellezza, punta=punta)


def calcola_portanza(f, passi, margini):
    """CALCOLA PORTANZA, passo per passo come il programma."""
    _, fcp, fcpns, fcv, div_tan, div_punta, div_lat = (numero(v) if i else v for i, v in
                                                     enumerate(COMBINAZIONI[f.combinazione]))
    cp, cpns, cv = (numero_iniziale(f.caselle[c]) for c in ("CP", "CPNS", "CV"))
    cartot = cp + cpns + cv
    f.caselle["CARTOT"] = testo_reale(cartot, "CARTOT")
    n = riga(intero_locale(f.caselle["C"], "C"), "C")
    peso_punta = f.strati[n]["PESO"] or Decimal(0)
    lunghezza_punta = numero_iniziale(f.caselle["B"])
    nq = numero_iniziale(f.caselle["K1"])
    gamma_l_nq = peso_punta * lunghezza_punta * nq
    diametro = numero_locale(f.caselle["A"], "A")
    d = diametro / 100
    qpunta = gamma_l_nq * PI * d * d / div_punta
    carmag = cp * fcp + cpns * fcpns + cv * fcv
    f.caselle["CARMAG"] = testo_reale(carmag, "CARMAG")

    termini = []
    for j in range(1, n + 1):
        s = f.strati[j]
        ang, lung, peso, klat = (s[c] or Decimal(0) for c in ("ANG", "LUNG", "PESO", "KLAT"))
        angrad = ang * PI / 180
        tg = tangente(angrad)
        tgang = tg / div_tan
        termine = Decimal("0.5") * klat * peso * lung * tgang
        termini.append(dict(j=j, ang=ang, lung=lung, peso=peso, klat=klat, angrad=angrad,
                            tan=tg, tgang=tgang, termine=termine))
    somma = sum((t["termine"] for t in termini), Decimal(0))
    lunghezza_lat = numero_locale(f.caselle["B"], "B")
    qlat = somma * PI * diametro * lunghezza_lat / div_lat
    totale = qpunta + qlat
    f.caselle["K3"] = testo_reale(totale, "K3", mostrato=False)
    f.caselle["M3"] = testo_reale(qpunta, "M3", mostrato=False)
    f.caselle["M4"] = testo_reale(qlat, "M4", mostrato=False)
    pali = numero_locale(f.caselle["M5"], "M5")
    if pali not in range(1, 7):
        raise Errore(INDICE_FUORI, "M5")
    f.coefgr = numero(COEFFICIENTI_GRUPPO[int(pali) - 1])
    for casella in ("K3", "M3", "M4"):
        f.caselle[casella] = figura(f.caselle[casella], margini, casella)
    totale_visto = Decimal(0) if f.caselle["K3"] == SEPARATORE else numero(f.caselle["K3"])
    gruppo = totale_visto * f.coefgr
    f.caselle["M8"] = figura(testo_reale(gruppo, "M8", mostrato=False), margini, "M8")
    passi.update(cp=cp, cpns=cpns, cv=cv, cartot=cartot, fattori=(fcp, fcpns, fcv),
                 carmag=carmag, n=n, peso_punta=peso_punta, lunghezza_punta=lunghezza_punta,
                 nq=nq, gamma_l_nq=gamma_l_nq, diametro=diametro, d=d, div_punta=div_punta,
                 qpunta=qpunta, div_tan=div_tan, termini=termini, somma=somma,
                 lunghezza_lat=lunghezza_lat, div_lat=div_lat, qlat=qlat, totale=totale,
                 pali=pali, coefgr=f.coefgr, totale_visto=totale_visto, gruppo=gruppo,
                 combinazione=f.combinazione)


def relazione(f, margini):
    """Le righe della relazione stampata che portano un dato o un risultato."""
    c = f.caselle
    righe = ["        DIAMETRO DEL PALO (cm)=" + c["A"],
             "        LUNGHEZZA PALO (mt)=" + c["B"],
             "        NUMERO PALI=" + c["M5"]]
    for j in range(1, int(intero_locale(c["C"], "C")) + 1):
        s = f.strati[riga(j, "C")]
        valori = [str(j)] + [testo_cella(s[k], "strato")
                             for k in ("ANG", "LUNG", "PESO", "KLAT")]
        righe.append("STRATO " + " ".join(v for v in valori if v))
    righe += ["        NQ(coefficiente TESK-ORBEL)=" + c["K1"]]
    for testo, casella in [("        CARICO  TOTALE(tonn.)=", "CARTOT"),
                           ("       CARICO TOTALE INCREMENTATO(tonn.)=", "CARMAG"),
                           ("        PORTANZA ALLA PUNTA(tonn.)=", "M3"),
                           ("        PORTANZA LATERALE (tonn.)=", "M4"),
                           ("        PORTANZA TOTALE(tonn.)=", "K3"),
                           ("        PORTANZA TOTALE RIDOTTA(Np>1)(tonn.)=", "M8")]:
        righe.append(testo + figura(c[casella], margini, casella))
    righe.append(RIGA_COMBINAZIONE[f.combinazione])
    if f.verticali != "":
        righe += righe_verifica(verifica(f, "relazione"))
    return righe


COMANDI = {
    "CALCOLA L/D": calcola_snellezza,
    "CALCOLA PORTANZA": calcola_portanza,
}


class Caso:
    """Un file di input ripetuto sulla finestra modello."""

    def __init__(self, percorso):
        self.nome = percorso.stem
        self.righe = percorso.read_text(encoding="utf-8").splitlines()
        intestazione = next(r for r in self.righe if r.startswith("# Caso prova "))
        self.titolo = intestazione.split(": ", 1)[1]
        self.finestra = Finestra()
        self.digitati = []       # (casella, testo) nell'ordine in cui sono scritti
        self.strati = []         # i quattro testi di ogni strato
        self.passi = {}
        self.messaggi = []
        self.relazione = None
        self.margini = Margini()
        self.portanze_xi = {}    # (casella, verticali) -> la portanza divisa per ξ
        self.verifica = None     # la verifica della finestra alla fine, se il caso digita le verticali
        self.curva = None        # la lunghezza, per l'esempio che la risolve
        self.relazione_calcolo = None   # la relazione di calcolo, per l'esempio che la risolve
        for numero_riga, testo in enumerate(self.righe, 1):
            if testo and not testo.startswith("#"):
                self.esegui(testo, numero_riga)
        if any(r.startswith("VERTICALI ") for r in self.righe):
            self.verifica = verifica(self.finestra, self.nome)
        if self.nome == ESEMPIO_CURVA:
            self.curva = curva(self.finestra)
        if self.nome == ESEMPIO_RELAZIONE:
            self.relazione_calcolo = relazione_di_calcolo(self)

    def esegui(self, testo, numero_riga):
        parola, _, resto = testo.partition(" ")
        f = self.finestra
        if parola in DIGITATE:
            f.caselle[parola] = resto
            self.digitati.append((parola, resto))
        elif parola == "STRATO":
            valori = resto.split()
            if len(valori) != 4:
                sys.exit(f"{self.nome}:{numero_riga}: STRATO vuole quattro valori")
            self.premi(mostra_strato_seguente)
            for casella, v in zip("EFGD", valori):
                self.finestra.caselle[casella] = v
            self.premi(conferma_strato)
            self.strati.append(valori)
        elif parola == "COMBINAZIONE":
            f.combinazione = int(resto) - 1
        elif parola == "VERTICALI":
            f.verticali = resto
            self.digitati.append((parola, resto))
        elif testo in COMANDI:
            self.premi(COMANDI[testo])
        elif testo == "STAMPA":
            self.relazione = relazione(f, Margini())
        else:
            sys.exit(f"{self.nome}:{numero_riga}: riga non compresa: {testo}")

    def premi(self, comando):
        """Un clic: su copie, che valgono solo se il comando arriva in fondo."""
        copia, passi = copy.deepcopy(self.finestra), {}
        try:
            comando(copia, passi, self.margini)
        except Errore as errore:
            self.messaggi.append(errore.messaggio())
            return
        self.finestra = copia
        self.passi.update(passi)


# --- I fattori di correlazione ξ -------------------------------------------

def fattori_xi(verticali):
    for n, xi3, xi4 in FATTORI_XI:
        if n == verticali:
            return numero(xi3), numero(xi4)
    sys.exit(f"calcolo.py: la tabella 6.4.IV non ha la riga di {verticali} verticali")


def divisa_per_xi(mostrata, verticali, margini, nome):
    """Una portanza letta sulla finestra come resistenza di progetto: la
    stessa per ogni verticale, la sua media e il suo minimo coincidono, e
    min(media / ξ3; minimo / ξ4) la divide per il maggiore dei due ξ."""
    xi3, xi4 = fattori_xi(verticali)
    portanza = numero(mostrata)
    progetto = min(portanza / xi3, portanza / xi4)
    passo = Decimal("0.01")
    margini.controlla(nome, progetto, passo)
    return virgola(format(progetto.quantize(passo, ROUND_HALF_EVEN), "f"))


def calcola_portanze_xi(caso):
    for casella in PORTANZE:
        for n in VERTICALI_ESEMPIO:
            caso.portanze_xi[casella, n] = divisa_per_xi(
                caso.finestra.caselle[casella], n, Margini(), f"{caso.nome} {casella} / ξ ({n})")


def tabella_xi():
    righe = [f"{'10 o più' if n == '10' else n};{xi3};{xi4}" for n, xi3, xi4 in FATTORI_XI]
    return riquadro("Verticali indagate $n$;$xi sub 3$ (media);$xi sub 4$ (minimo)",
                    "c c c\nc n n", righe)


def allineata(cifra):
    """Una cifra di una colonna numerica, allineata sulla virgola."""
    return cifra.replace(SEPARATORE, SEPARATORE + "\\&", 1)


DESCRIZIONI_PORTANZE = {"M3": "punta", "M4": "laterale", "K3": "totale", "M8": "gruppo"}


def esempio_xi(casi):
    # Con le verticali tutte uguali, il divisore che governa.
    divisori = [virgola(str(max(fattori_xi(n)))) for n in VERTICALI_ESEMPIO]
    intestazione = ("Caso e combinazione;Portanza;Programma (t);"
                    + ";".join(f"$n$ = {n} (t)" for n in VERTICALI_ESEMPIO)
                    + "\n;;;" + ";".join(f"\\fIR\\fP\\|/\\|{d}" for d in divisori))
    righe = []
    for caso in casi:
        if caso.nome not in ESEMPIO_SVOLTO:
            continue
        if righe:
            righe.append("_")
        sigla = re.search(r"\((.*)\)", COMBINAZIONI[caso.finestra.combinazione][0]).group(1)
        for i, casella in enumerate(PORTANZE):
            etichetta = f"{caso.nome.replace('caso', 'caso ')}, {sigla}" if i == 0 else ""
            cifre_xi = [allineata(caso.portanze_xi[casella, n]) for n in VERTICALI_ESEMPIO]
            righe.append(f"{etichetta};{DESCRIZIONI_PORTANZE[casella]} ({casella});"
                         f"{allineata(caso.finestra.caselle[casella])};" + ";".join(cifre_xi))
    return riquadro(intestazione, "l l c c c\nl l c c c\nl l n n n", righe)


# --- La verifica di progetto ------------------------------------------------

def due_decimali(x):
    """Una cifra della verifica: sempre due decimali, la virgola."""
    return virgola(format(x.quantize(Decimal("0.01"), ROUND_HALF_EVEN), "f"))


def un_decimale(x):
    return virgola(format(x.quantize(Decimal("0.1"), ROUND_HALF_EVEN), "f"))


def sulla_retta(riga_tabella, colonna, t):
    return riga_tabella[colonna] + t * (riga_tabella[colonna + 1] - riga_tabella[colonna])


def nq_dalla_tabella(f):
    """Nq letto sulla tabella della finestra per l'angolo alla punta e L/D:
    sulla retta fra i due angoli vicini, poi fra le righe di L/D 25 e 50;
    sotto L/D 25 vale la riga di 25. Arrotondato per difetto a un decimale."""
    lettura = dict(valore=None, motivo="", angolo=None, snellezza=None)
    try:
        punta = intero_locale(f.caselle["C"], "C")
        if not 1 <= punta <= RIGHE - 1:
            lettura["motivo"] = "il numero degli strati non è da 1 a 20"
            return lettura
        lettura["angolo"] = f.strati[int(punta)]["ANG"] or Decimal(0)
        lunghezza = numero_locale(f.caselle["B"], "B")
        diametro = numero_locale(f.caselle["A"], "A")
    except Errore as errore:
        lettura["motivo"] = f"la casella {errore.casella} non si legge come numero"
        return lettura
    if diametro == 0:
        lettura["motivo"] = "il diametro è zero"
        return lettura
    angolo = lettura["angolo"]
    snellezza = lettura["snellezza"] = 100 * lunghezza / diametro
    if not ANGOLI_NQ[0] <= angolo <= ANGOLI_NQ[-1]:
        lettura["motivo"] = (f"l'angolo alla punta ({testo_reale(angolo, 'angolo')}°) è fuori dalla "
                             f"tabella ({ANGOLI_NQ[0]} a {ANGOLI_NQ[-1]}°)")
        return lettura
    if not 0 < snellezza <= SNELLEZZA_ULTIMA:
        lettura["motivo"] = (f"L/D ({testo_reale(snellezza, 'L/D')}) è fuori dalla tabella "
                             f"(oltre 0 fino a {SNELLEZZA_ULTIMA})")
        return lettura
    colonna = 0
    while colonna + 2 < len(ANGOLI_NQ) and ANGOLI_NQ[colonna + 1] <= angolo:
        colonna += 1
    t = (angolo - ANGOLI_NQ[colonna]) / (ANGOLI_NQ[colonna + 1] - ANGOLI_NQ[colonna])
    a25, a50 = sulla_retta(NQ_25, colonna, t), sulla_retta(NQ_50, colonna, t)
    s = (max(snellezza, SNELLEZZA_PRIMA) - SNELLEZZA_PRIMA) / (SNELLEZZA_ULTIMA - SNELLEZZA_PRIMA)
    nq = a25 + s * (a50 - a25)
    decimi = nq * 10
    mancante = decimi.to_integral_value(rounding="ROUND_CEILING") - decimi
    if 0 < mancante <= VICINANZA_NQ:
        sys.exit(f"calcolo.py: Nq = {nq} è troppo vicino a un decimo: cambiare il caso")
    valore_nq = (decimi + MARGINE_NQ).to_integral_value(rounding="ROUND_FLOOR") / 10
    lettura.update(valore=valore_nq, colonna=colonna, t=t, a25=a25, a50=a50, s=s, esatto=nq)
    return lettura


def lettura_verticali(testo):
    """Il numero di verticali e la colonna della tabella 6.4.IV: la sua, o
    quella del numero minore più vicino che la tabella ha."""
    lettura = dict(numero=None, fattori=None, motivo="")
    if not testo.strip(" \t"):
        return lettura
    try:
        n = numero_locale(testo, "VERTICALI")
    except Errore:
        lettura["motivo"] = "il numero di verticali indagate non è un numero"
        return lettura
    if n < 1 or n != n.to_integral_value():
        lettura["motivo"] = "il numero di verticali indagate deve essere un numero intero da 1 in su"
        return lettura
    lettura["numero"] = n
    for colonna, xi3, xi4 in FATTORI_XI:
        if int(colonna) <= n:
            lettura["fattori"] = (colonna, numero(xi3), numero(xi4))
    return lettura


def vicino_al_carico(nome, rd, ed):
    if ed and abs(rd - ed) / abs(ed) < MARGINE_MINIMO:
        sys.exit(f"calcolo.py: {nome}: Rd = {rd} è troppo vicino a Ed = {ed}")


def verifica_combinazione(f, k, fattori, nome_caso, scritta=True):
    """CALCOLA PORTANZA su copie con la combinazione k; Ed è CARMAG riletto,
    Rd la portanza del gruppo M8 come visualizzata divisa per ξ3. Di una
    combinazione che la relazione non scrive conta solo l'esito, deciso sui
    decimali di M8 e CARMAG: Rd e Rd/Ed non si arrotondano."""
    copia, passi, margini = copy.deepcopy(f), {}, Margini()
    copia.combinazione = k
    esito = dict(sigla=SIGLE[k], errore=None, ed=None, rd=None, rapporto=None, verdetto=None,
                 margini=margini)
    try:
        calcola_portanza(copia, passi, margini)
    except Errore as errore:
        esito["errore"] = errore.riga()
        return esito
    esito.update(caselle=dict(copia.caselle), ed=numero_iniziale(copia.caselle["CARMAG"]))
    if not fattori:
        return esito
    nome = f"{nome_caso} {SIGLE[k]}"
    esito["rd"] = numero_iniziale(copia.caselle["M8"]) / fattori[1]
    if scritta:
        margini.controlla("Rd", esito["rd"], Decimal("0.01"))
    if esito["ed"] > 0:
        esito["rapporto"] = esito["rd"] / esito["ed"]
        if scritta:
            margini.controlla("Rd/Ed", esito["rapporto"], Decimal("0.01"))
        vicino_al_carico(nome, esito["rd"], esito["ed"])
        esito["verdetto"] = VERIFICATO if esito["rd"] >= esito["ed"] else NON_VERIFICATO
    return esito


def entrambi(primo, secondo):
    """L'Approccio 1 vale se valgono tutte e due le sue combinazioni."""
    if NON_VERIFICATO in (primo["verdetto"], secondo["verdetto"]):
        return NON_VERIFICATO
    if primo["verdetto"] is None or secondo["verdetto"] is None:
        return None
    return VERIFICATO


def avvisi_strati(f):
    avvisi = []
    try:
        strati = intero_locale(f.caselle["C"], "C")
    except Errore:
        return avvisi
    if not 1 <= strati <= RIGHE - 1:
        return avvisi
    spessori = Decimal(0)
    for j in range(1, int(strati) + 1):
        if f.strati[j]["LUNG"] is None:
            avvisi.append(f"Lo strato {j} non è stato memorizzato con OK: conta come uno strato "
                          "di spessore zero.")
        spessori += f.strati[j]["LUNG"] or Decimal(0)
    try:
        lunghezza = numero_locale(f.caselle["B"], "B")
    except Errore:
        return avvisi
    scarto = abs(spessori - lunghezza)
    if abs(scarto - TOLLERANZA_SPESSORI) < MARGINE_MINIMO:
        sys.exit(f"calcolo.py: gli spessori differiscono dalla lunghezza di un centimetro esatto")
    if scarto > TOLLERANZA_SPESSORI:
        Margini().controlla("spessori", spessori, Decimal("0.01"))
        avvisi.append(f"Gli spessori degli strati sommano {due_decimali(spessori)} m, la lunghezza "
                      f"del palo è {due_decimali(lunghezza)} m: la portanza laterale somma tutti gli "
                      "strati, quella di punta prende la lunghezza del palo.")
    return avvisi


def avvisi_nq(f, nq):
    if nq["valore"] is None:
        if nq["angolo"] is not None and nq["snellezza"] is not None:
            return [f"Nq non si legge dalla tabella: {nq['motivo']}."]
        return []
    digitato = numero_iniziale(f.caselle["K1"])
    if digitato > nq["valore"]:
        return [f"Il valore di Nq digitato ({testo_reale(digitato, 'K1')}) supera quello della "
                f"tabella ({un_decimale(nq['valore'])}): è a sfavore di sicurezza."]
    return []


def verifica(f, nome_caso):
    """La verifica di progetto della finestra com'è, tutta su copie."""
    v = dict(nq=nq_dalla_tabella(f), verticali=lettura_verticali(f.verticali))
    fattori = v["verticali"]["fattori"]
    v["combinazioni"] = [verifica_combinazione(f, k, fattori, nome_caso) for k in range(3)]
    v["approccio1"] = entrambi(*v["combinazioni"][:2])
    v["approccio2"] = v["combinazioni"][2]["verdetto"]
    v["avvisi"] = []
    if not fattori:
        motivo = v["verticali"]["motivo"]
        v["avvisi"].append("Per la resistenza di progetto serve il numero di verticali indagate"
                           + (f": {motivo}." if motivo else " (par. 6.4.3.1.1, tabella 6.4.IV)."))
    v["avvisi"] += avvisi_strati(f) + avvisi_nq(f, v["nq"])
    return v


def o_trattino(x):
    return "-" if x is None else due_decimali(x)


def in_colonne(*pezzi):
    """Una riga della relazione con i suoi incolonnamenti (un numero è la
    colonna, da 1, dove comincia il testo che segue); un testo che supera la
    colonna seguente la manda a capo, a quella colonna."""
    righe, posizione = [""], 1
    for pezzo in pezzi:
        if isinstance(pezzo, int):
            if posizione > pezzo:
                righe.append(" " * (pezzo - 1))
            else:
                righe[-1] += " " * (pezzo - posizione)
            posizione = pezzo
        else:
            righe[-1] += pezzo
            posizione += len(pezzo)
    return righe


def esito_combinazione(c):
    if c["verdetto"]:
        return c["verdetto"]
    return NESSUNA_COMPRESSIONE if c["ed"] is not None and c["rd"] is not None else "-"


def testo_fattori(fattori):
    return f"ξ3 = {due_decimali(fattori[1])}, ξ4 = {due_decimali(fattori[2])}"


def testo_nq(nq):
    return un_decimale(nq["valore"]) if nq["valore"] is not None else f"nessuno ({nq['motivo']})"


def righe_verifica(v):
    """Il riquadro che la relazione stampata aggiunge dopo la riga della
    combinazione, quando le verticali sono digitate."""
    rientro = " " * 8
    n = v["verticali"]["numero"]
    righe = [" VERIFICA DI PROGETTO (D.M. 14/01/2008 E D.M. 17/01/2018, PAR. 6.4.3.1.1)",
             rientro + "NUMERO DI VERTICALI INDAGATE=" + ("-" if n is None else testo_reale(n, "n"))]
    if v["verticali"]["fattori"]:
        righe.append(rientro + "FATTORI DI CORRELAZIONE (TAB. 6.4.IV)="
                     + testo_fattori(v["verticali"]["fattori"]))
    righe.append(rientro + "Nq DALLA TABELLA=" + testo_nq(v["nq"]))
    righe += in_colonne(rientro + "COMBINAZIONE", 29, "Ed (t)", 44, "Rd (t)", 59, "Rd/Ed", 71, "ESITO")
    for c in v["combinazioni"]:
        if c["errore"]:
            righe += in_colonne(rientro + c["sigla"], 29, c["errore"])
        else:
            righe += in_colonne(rientro + c["sigla"], 29, o_trattino(c["ed"]), 44, o_trattino(c["rd"]),
                                59, o_trattino(c["rapporto"]), 71, esito_combinazione(c))
    righe.append(rientro + APPROCCIO_1.upper() + "=" + (v["approccio1"] or "-"))
    righe.append(rientro + APPROCCIO_2.upper() + "=" + (v["approccio2"] or "-"))
    righe += [rientro + "AVVISO: " + a for a in v["avvisi"]]
    return righe


def righe_cifre_verifica(nome, v):
    """Le cifre della verifica che le prove confrontano: chiave e testo."""
    voci = [("Nq dalla tabella", testo_nq(v["nq"]))]
    if v["verticali"]["fattori"]:
        voci += [("xi3", due_decimali(v["verticali"]["fattori"][1])),
                 ("xi4", due_decimali(v["verticali"]["fattori"][2]))]
    for c in v["combinazioni"]:
        if c["errore"]:
            voci.append((c["sigla"] + " errore", c["errore"]))
            continue
        voci += [(c["sigla"] + " Ed", o_trattino(c["ed"])), (c["sigla"] + " Rd", o_trattino(c["rd"])),
                 (c["sigla"] + " Rd/Ed", o_trattino(c["rapporto"])),
                 (c["sigla"] + " esito", esito_combinazione(c))]
    voci += [(APPROCCIO_1, v["approccio1"] or "-"), (APPROCCIO_2, v["approccio2"] or "-")]
    out = [f"{nome}\tVERIFICA\t{chiave}\t{testo}" for chiave, testo in voci]
    return out + [f"{nome}\tAVVISO\t{a}" for a in v["avvisi"]]


def soluzione_verifica(caso):
    """La verifica risolta a mano, passo per passo, per il frammento del caso."""
    v = caso.verifica
    nq, vert = v["nq"], v["verticali"]
    out = [".SH 2", "Soluzione a mano: la verifica di progetto", ".LP"]
    out += soluzione_nq(nq)
    out.append(".LP")
    if vert["fattori"]:
        colonna, xi3, xi4 = vert["fattori"]
        riga_scelta = ("la sua riga" if colonna == testo_reale(vert["numero"], "n")
                       else f"la riga di {colonna}, il numero minore più vicino che la tabella ha")
        out.append(f"Verticali indagate: $n$ = {testo_reale(vert['numero'], 'n')}; dalla tabella "
                   f"6.4.IV, {riga_scelta}: $xi sub 3$ = {due_decimali(xi3)}, "
                   f"$xi sub 4$ = {due_decimali(xi4)}. Con un solo profilo media e minimo "
                   f"coincidono: $R sub d$ = M8 / $xi sub 3$ = M8 / {due_decimali(xi3)}.")
    else:
        out.append("Le verticali indagate non danno fattori di correlazione: " +
                   (vert["motivo"] or "la casella è vuota") + ". Nessun $R sub d$ né esito.")
    out += [".LP", "Le tre combinazioni, ciascuna calcolata con CALCOLA PORTANZA su una copia "
            "della finestra (le portanze come il programma le visualizza):", ".LP"]
    righe = []
    for c in v["combinazioni"]:
        if c["errore"]:
            righe.append(f"{c['sigla']};T{{\n{protetto(c['errore'])}\nT}};;;;")
            continue
        caselle = c["caselle"]
        righe.append(f"{c['sigla']};" + ";".join(allineata(caselle[k]) for k in ("M3", "M4", "K3", "M8"))
                     + f";{allineata(caselle['CARMAG'])}")
    out += riquadro("Combinazione;M3 (t);M4 (t);K3 (t);M8 (t);$E sub d$ = CARMAG (t)",
                    "l c c c c c\nl n n n n n", righe)
    if vert["fattori"]:
        out.append(".LP")
        righe = []
        for c in v["combinazioni"]:
            if c["errore"]:
                continue
            rapporto = "" if c["rapporto"] is None else cifre(c["rapporto"])
            righe.append(f"{c['sigla']};{cifre(c['rd'])};{allineata(o_trattino(c['rd']))};"
                         f"{rapporto};{allineata(o_trattino(c['rapporto']))};{esito_combinazione(c)}")
        out += riquadro("Combinazione;$R sub d$ = M8 / $xi sub 3$ (t);scritto;$R sub d / E sub d$;"
                        "scritto;Esito", "l c c c c l\nl n n n n l", righe)
    out += [".LP", f"{APPROCCIO_1} (le combinazioni A1+M1+R1 e A2+M2+R2 insieme): "
            f"\\fB{v['approccio1'] or '-'}\\fP. {APPROCCIO_2} (A1+M1+R3): "
            f"\\fB{v['approccio2'] or '-'}\\fP."]
    voci = [(f"{c['sigla']} {n}", x, p, d) for c in v["combinazioni"]
            for n, x, p, d in c["margini"].voci if n in ("Rd", "Rd/Ed")]
    if voci:
        out += [".LP", "Arrotondamenti della verifica: la distanza di $R sub d$ e di "
                "$R sub d / E sub d$ dal limite di arrotondamento a due decimali (le portanze di ogni "
                "combinazione sono controllate allo stesso modo).", ".LP"]
        out += riquadro("Cifra;Valore a 15 cifre;Passo;Distanza", "l r r r",
                        [f"{n};{cifre(x, 15)};{virgola(str(p.normalize()))};{cifre(d, 3)}"
                         for n, x, p, d in voci])
    out += [".LP"]
    if v["avvisi"]:
        out.append("Gli avvisi, nell'ordine in cui il programma li dà:")
        for a in v["avvisi"]:
            out += [".IP \\(bu 3", protetto(a)]
    else:
        out.append("Nessun avviso: gli spessori sommano la lunghezza del palo, ogni strato è "
                   "memorizzato e il valore di $N sub q$ digitato non supera quello della tabella.")
    return out


def palo_lungo(f, lunghezza):
    """La finestra come l'ingegnere la lascerebbe per verificare il palo di
    quella lunghezza: B, lo strato della punta in C, il suo spessore accorciato
    e il valore di Nq della tabella in K1."""
    n = int(intero_locale(f.caselle["C"], "C"))
    sopra, punta = Decimal(0), n
    for j in range(1, n + 1):
        base = sopra + (f.strati[j]["LUNG"] or Decimal(0))
        if base >= lunghezza - TOLLERANZA_PUNTA:
            punta = j
            break
        sopra = base
    copia = copy.deepcopy(f)
    copia.strati[punta]["LUNG"] = lunghezza - sopra
    copia.caselle["B"] = testo_reale(lunghezza, "L")
    copia.caselle["C"] = str(punta)
    nq = nq_dalla_tabella(copia)
    punto = dict(lunghezza=lunghezza, punta=punta, spessore=lunghezza - sopra, nq=nq, combinazioni=None)
    if nq["valore"] is not None:
        copia.caselle["K1"] = un_decimale(nq["valore"])
        fattori = lettura_verticali(f.verticali)["fattori"]
        punto["combinazioni"] = [verifica_combinazione(copia, k, fattori, f"L = {lunghezza}", False)
                                 for k in range(3)]
    return punto


def minima(punti, verificato):
    """La lunghezza minima verificata che resta verificata a ogni lunghezza
    maggiore che ha un valore."""
    trovata = None
    for punto in reversed(punti):
        if punto["combinazioni"] is None:
            continue
        if not verificato(punto["combinazioni"]):
            break
        trovata = punto["lunghezza"]
    return trovata


def curva(f):
    profondita = sum((f.strati[j]["LUNG"] or Decimal(0))
                     for j in range(1, int(intero_locale(f.caselle["C"], "C")) + 1))
    punti, k = [], 1
    while k * PASSO_CURVA <= profondita + TOLLERANZA_PUNTA:
        punti.append(palo_lungo(f, k * PASSO_CURVA))
        k += 1
    ntc2018 = minima(punti, lambda c: c[2]["verdetto"] == VERIFICATO)
    ntc2008 = minima(punti, lambda c: c[0]["verdetto"] == VERIFICATO and c[1]["verdetto"] == VERIFICATO)
    return dict(profondita=profondita, punti=punti, ntc2018=ntc2018, ntc2008=ntc2008)


def punto_a(c, lunghezza):
    return next(p for p in c["punti"] if p["lunghezza"] == lunghezza)


def righe_cifre_curva(nome, c):
    """Le cifre della lunghezza che le prove confrontano."""
    out = []
    for lunghezza in LUNGHEZZE_SVOLTE:
        punto = punto_a(c, lunghezza)
        chiave = f"{nome}\tCURVA\t{testo_reale(lunghezza, 'L')}"
        out.append(f"{chiave} punta\t{punto['punta']}")
        out.append(f"{chiave} Nq\t{un_decimale(punto['nq']['valore'])}")
        for comb in punto["combinazioni"]:
            out.append(f"{chiave} {comb['sigla']} M8\t{due_decimali(numero_iniziale(comb['caselle']['M8']))}")
            out.append(f"{chiave} {comb['sigla']} Ed\t{o_trattino(comb['ed'])}")
            out.append(f"{chiave} {comb['sigla']} esito\t{esito_combinazione(comb)}")
    for sigla, trovata in (("NTC 2018", c["ntc2018"]), ("NTC 2008", c["ntc2008"])):
        out.append(f"{nome}\tCURVA\tlunghezza minima {sigla}\t{o_trattino(trovata)}")
    return out


def soluzione_curva(c):
    """La lunghezza risolta a mano per il frammento del caso."""
    out = [".SH 2", "Soluzione a mano: la lunghezza del palo", ".LP",
           f"Gli spessori sommano $H$ = {testo_reale(c['profondita'], 'H')} m: la griglia ha le "
           f"lunghezze da 0,1 a {testo_reale(c['profondita'], 'H')} m, {len(c['punti'])} in tutto. "
           "A ogni lunghezza il palo è quello che si digiterebbe: B la lunghezza, C lo strato della "
           "punta, il suo spessore accorciato, K1 il valore di $N sub q$ della tabella.", ".LP"]
    punti = [punto_a(c, lunghezza) for lunghezza in LUNGHEZZE_SVOLTE]
    out += riquadro("$L prime$ (m);Strato della punta $m$;$s prime sub m$ (m);$N sub q$ dalla tabella",
                    "c c c c\nr r r r", [f"{testo_reale(p['lunghezza'], 'L')};{p['punta']};"
                                        f"{testo_reale(p['spessore'], 's')};{un_decimale(p['nq']['valore'])}"
                                        for p in punti])
    out.append(".LP")
    righe = [f"{testo_reale(p['lunghezza'], 'L')};{comb['sigla']};{allineata(comb['caselle']['M8'])};"
             f"{allineata(cifre(comb['rd']))};{allineata(comb['caselle']['CARMAG'])};{esito_combinazione(comb)}"
             for p in punti for comb in p["combinazioni"]]
    out += riquadro("$L prime$ (m);Combinazione;M8 (t);$R sub d$ = M8 / $xi sub 3$ (t);$E sub d$ (t);Esito",
                    "c l c c c l\nr l n n n l", righe)
    out.append(".LP")
    for nome, trovata, verificato in (
            ("NTC 2018 (A1+M1+R3)", c["ntc2018"], lambda cc: [cc[2]]),
            ("NTC 2008, Approccio 1 (A1+M1+R1 e A2+M2+R2)", c["ntc2008"], lambda cc: cc[:2])):
        if trovata is None:
            out += [f"Lunghezza minima {nome}: nessuna entro il profilo.", ".LP"]
            continue
        prima = punto_a(c, trovata - PASSO_CURVA) if trovata > PASSO_CURVA else None
        frase = f"Lunghezza minima {nome}: \\fB{due_decimali(trovata)} m\\fP, verificata lì e a ogni lunghezza maggiore della griglia"
        if prima and prima["combinazioni"]:
            for cc in verificato(prima["combinazioni"]):
                Margini().controlla("Rd/Ed", cc["rapporto"], Decimal("0.01"))
            rapporti = ", ".join(f"{cc['sigla']} $R sub d / E sub d$ = {o_trattino(cc['rapporto'])}"
                                 for cc in verificato(prima["combinazioni"]))
            frase += f"; a {testo_reale(prima['lunghezza'], 'L')} m non lo è ({rapporti})"
        out += [frase + ".", ".LP"]
    out.append("$R sub d$ è scritto esatto, senza arrotondarlo: l'esito lo decidono i decimali di M8 "
               "e di $E sub d$ come il programma li mostra (paragrafo 3.3), e con $xi sub 3$ = 1,60 "
               "il quoziente cade spesso a metà fra due centesimi.")
    return out


def soluzione_nq(nq):
    if nq["valore"] is None:
        return [f"$N sub q$ non si legge dalla tabella: {protetto(nq['motivo'])}."]
    a0, a1 = ANGOLI_NQ[nq["colonna"]], ANGOLI_NQ[nq["colonna"] + 1]
    v = lambda x: virgola(str(x))
    snellezza = testo_reale(nq["snellezza"], "L/D", mostrato=False)
    riga_25 = ("; L/D è sotto 25 e vale la riga di 25, $s$ = 0" if nq["snellezza"] < SNELLEZZA_PRIMA
               else "")
    return [f"Lettura di $N sub q$ sulla tabella: angolo alla punta $phi$ = {v(nq['angolo'])}, fra "
            f"le colonne {v(a0)} e {v(a1)}; L/D = {snellezza}{riga_25}.",
            ".EQ",
            f't ~=~ {{ phi - {v(a0)} }} over {{ {v(a1)} - {v(a0)} }} ~=~ "{cifre(nq["t"])}" ,~~~'
            f' s ~=~ {{ max ( L/D , 25 ) - 25 }} over 25 ~=~ "{cifre(nq["s"])}"',
            ".EN",
            ".EQ",
            f'N sub 25 ~=~ "{cifre(nq["a25"])}" ,~~~ N sub 50 ~=~ "{cifre(nq["a50"])}" ,~~~'
            f' N sub q ~=~ N sub 25 + s ( N sub 50 - N sub 25 ) ~=~ "{cifre(nq["esatto"])}"',
            ".EN",
            f"arrotondato per difetto a un decimale: $N sub q$ = {un_decimale(nq['valore'])}."]


# --- Il controllo a mano del giudizio di accettabilità ----------------------

PI_PIENO = Decimal("3.14159265358979323846264338327950288")


def quattro(x):
    """Quattro cifre significative, come le scrive la calcolatrice del progettista."""
    if x == 0:
        return x
    return x.quantize(Decimal(1).scaleb(x.adjusted() - 3), ROUND_HALF_EVEN)


def controllo_a_mano(caso):
    """L'esempio svolto rifatto come lo rifà il progettista: la formula della
    relazione, π vero, le tangenti a quattro decimali, ogni passo a quattro
    cifre. Gli scarti dalle cifre del programma vengono da π = 3,14 e dagli
    arrotondamenti, e devono restare sotto lo 0,2%."""
    f, v = caso.finestra, caso.verifica
    c = f.caselle
    d = numero(c["A"]) / 100
    lunghezza, nq, pali = numero(c["B"]), numero_iniziale(c["K1"]), int(numero(c["M5"]))
    n = int(numero(c["C"]))
    strati = [f.strati[j] for j in range(1, n + 1)]
    area_punta = quattro(PI_VERO * d * d / 4)
    sigma_punta = quattro(strati[-1]["PESO"] * lunghezza * nq)
    qp = quattro(area_punta * sigma_punta)
    termini = [quattro(Decimal("0.5") * s["KLAT"] * s["PESO"] * s["LUNG"]
                       * tangente(s["ANG"] * PI_PIENO / 180).quantize(Decimal("0.0001")))
               for s in strati]
    area_laterale = quattro(PI_VERO * d * lunghezza)
    ql = quattro(sum(termini) * area_laterale)
    gruppo = numero(COEFFICIENTI_GRUPPO[pali - 1])
    ultima = COMBINAZIONI[2]
    qt3 = quattro(qp / (numero(ultima[5]) / 4) + ql / (numero(ultima[6]) / 100))
    xi3 = v["verticali"]["fattori"][1]
    rd = quattro(qt3 * gruppo / xi3)
    ed = sum(numero_iniziale(c[k]) * numero(x) for k, x in zip(("CP", "CPNS", "CV"), ultima[1:4]))
    rapporto = quattro(rd / ed)
    prima, terza = v["combinazioni"][0]["caselle"], v["combinazioni"][2]
    voci = [
        ("$Q sub p$, A1+M1+R1", f"{virgola(str(area_punta))} m² × {virgola(str(sigma_punta))} t/m²",
         qp, numero(prima["M3"])),
        ("$Q sub l$, A1+M1+R1", f"{virgola(str(sum(termini)))} t/m² × {virgola(str(area_laterale))} m²",
         ql, numero(prima["M4"])),
        ("$Q sub t$, A1+M1+R3", f"{virgola(str(qp))} / 1,35 + {virgola(str(ql))} / 1,15", qt3,
         numero(terza["caselle"]["K3"])),
        ("$R sub d$, A1+M1+R3", f"{virgola(str(qt3))} × {virgola(str(gruppo))} / {due_decimali(xi3)}",
         rd, terza["rd"]),
        ("$R sub d / E sub d$, A1+M1+R3", f"{virgola(str(rd))} / {testo_reale(ed, 'Ed')}",
         rapporto, terza["rapporto"]),
    ]
    righe = []
    for nome, calcolo, a_mano, programma in voci:
        scarto = (a_mano - programma) / programma
        if abs(scarto) > SCARTO_ACCETTABILE:
            sys.exit(f"calcolo.py: il controllo a mano di {nome} si scosta del {scarto:%}")
        righe.append(f"{nome};{calcolo};{allineata(virgola(str(a_mano)))};"
                     f"{allineata(due_decimali(programma))};"
                     f"{virgola(format((scarto * 100).quantize(Decimal('0.01')), 'f'))}")
    tangenti = ", ".join(f"tan {virgola(str(s['ANG']))}° = "
                         f"{virgola(str(tangente(s['ANG'] * PI_PIENO / 180).quantize(Decimal('0.0001'))))}"
                         for s in strati)
    return (riquadro("Grandezza;Calcolo a mano;A mano;Programma;Scarto (%)", "l l n n n", righe),
            [f'.ds giudizio-tangenti "{tangenti}',
             f'.ds giudizio-termini "{" + ".join(virgola(str(t)) for t in termini)}'])


# --- La relazione di calcolo dell'esempio svolto ----------------------------

def reale(x, nome):
    """Un valore come la relazione di calcolo lo scrive, con le cifre del
    programma: esatto se si esaurisce in 12 cifre, altrimenti arrotondato alle
    cifre sicure e seguito da SEGUE."""
    if len(x.normalize().as_tuple().digits) <= CIFRE_ESATTE:
        return testo_reale(x, nome)
    for cifre_sicure in range(CIFRE_ESATTE, x.adjusted() + 1, -1):
        passo = Decimal(1).scaleb(x.adjusted() - cifre_sicure + 1)
        if distanza_dal_limite(x, passo) / abs(x) >= MARGINE_REALE:
            return virgola(format(x.quantize(passo, ROUND_HALF_EVEN), "f")) + SEGUE
    sys.exit(f"calcolo.py: {nome} = {x} è troppo vicino al limite di arrotondamento")


def decimali(x, n, margini, nome):
    """Una cifra scritta con n decimali, sempre tutti, la virgola."""
    passo = Decimal(1).scaleb(-n)
    margini.controlla(nome, x, passo)
    return virgola(format(x.quantize(passo, ROUND_HALF_EVEN), "f"))


def in_kilonewton(tonnellate):
    """Una forza scritta in t come la relazione la converte: le sue cifre per
    9,80665 esatto, a due decimali, la metà lontano da zero."""
    kn = (numero(tonnellate) * KN_PER_T).quantize(Decimal("0.01"), ROUND_HALF_UP)
    return virgola(format(kn, "f"))


def prodotto(*fattori):
    return " · ".join(testo_reale(x, "fattore") for x in fattori)


TAN_DI_PROGETTO = "tan φ / γφ'"
TERMINE = "½ · K · γ · L · tan φ / γφ'"
LATERALE_DI_STRATO = "K · σ'v · tan φ/γφ' · π · D · Li / γs (t)"


def voci_calcolo(f, p, esito, margini):
    """Le cifre di una combinazione nel capitolo 7 della relazione di calcolo:
    chiave e testo, come la relazione li scrive."""
    c = f.caselle
    voci = [("Nq", testo_reale(p["nq"], "Nq")),
            ("Qp numeri", prodotto(p["peso_punta"], p["lunghezza_punta"], p["nq"], PI, p["d"] * p["d"])
             + " / " + testo_reale(p["div_punta"], "4 γb")),
            ("Qp", reale(p["qpunta"], "Qp")), ("M3", c["M3"]), ("M3 kN", in_kilonewton(c["M3"]))]
    for t in p["termini"]:
        strato = f"strato {t['j']} "
        voci += [(strato + "K", testo_reale(t["klat"], "K")),
                 (strato + "γ (t/m³)", testo_reale(t["peso"], "γ")),
                 (strato + "L (m)", testo_reale(t["lung"], "L")),
                 (strato + "φ (°)", testo_reale(t["ang"], "φ")),
                 (strato + TAN_DI_PROGETTO, decimali(t["tgang"], 6, margini, strato + "tan")),
                 (strato + TERMINE, decimali(t["termine"], 6, margini, strato + "termine"))]
    voci += [("Σ", reale(p["somma"], "Σ")),
             ("Ql numeri", prodotto(PI, p["diametro"], p["lunghezza_lat"]) + " / "
              + testo_reale(p["div_lat"], "100 γs")),
             ("Ql", reale(p["qlat"], "Ql")), ("M4", c["M4"]), ("M4 kN", in_kilonewton(c["M4"])),
             ("Qt", reale(p["totale"], "Qt")), ("K3", c["K3"]), ("K3 kN", in_kilonewton(c["K3"])),
             ("η", due_decimali(p["coefgr"])), ("M8", c["M8"]), ("M8 kN", in_kilonewton(c["M8"])),
             ("Rd", due_decimali(esito["rd"])), ("Rd kN", in_kilonewton(due_decimali(esito["rd"]))),
             ("Ed numeri", " + ".join(prodotto(fattore, carico) for fattore, carico in
                                      zip(p["fattori"], (p["cp"], p["cpns"], p["cv"])))),
             ("Ed", c["CARMAG"]), ("Ed kN", in_kilonewton(c["CARMAG"])),
             ("Rd/Ed", due_decimali(esito["rapporto"])), ("esito", esito_combinazione(esito))]
    return voci


def giudizio_rapporto(rapporto, margini, nome):
    """Il rapporto fra la cifra del programma e quella di confronto, a due
    decimali, e come la relazione lo giudica."""
    scritto = decimali(rapporto, 2, margini, nome)
    centesimi = int(numero(scritto) * 100)
    if centesimi > CENTESIMI_COERENTI[1]:
        return scritto, "supera quella di confronto di più"
    if centesimi < CENTESIMI_COERENTI[0]:
        return scritto, "è inferiore a quella di confronto di più"
    return scritto, "e quella di confronto differiscono per non più"


def calcolo_di_confronto(p, margini):
    """Il calcolo semplice del capitolo 10.2, fatto in un altro modo: la punta
    con la tensione efficace alla punta Σ γi Li, il fusto strato per strato
    con la tensione a metà dello strato sulla sua superficie π D Li; gli
    stessi Nq, K, tan φ e coefficienti della combinazione."""
    sopra, strati = Decimal(0), []
    for t in p["termini"]:
        proprio = t["peso"] * t["lung"]
        meta = sopra + proprio / 2
        laterale = t["klat"] * meta * t["tgang"] * PI * p["diametro"] * t["lung"] / p["div_lat"]
        strati.append(dict(t, meta=meta, laterale=laterale))
        sopra += proprio
    punta = sopra * p["nq"] * PI * p["d"] * p["d"] / p["div_punta"]
    fusto = sum((s["laterale"] for s in strati), Decimal(0))
    voci = [("σ'v,punta numeri", " + ".join(prodotto(t["peso"], t["lung"]) for t in p["termini"])),
            ("σ'v,punta", reale(sopra, "σ'v,punta")),
            ("Qp,s numeri", prodotto(p["nq"], PI, p["d"] * p["d"]) + " / " + testo_reale(p["div_punta"], "4 γb")),
            ("Qp,s", decimali(punta, 2, margini, "Qp,s"))]
    for s in strati:
        strato = f"strato {s['j']} "
        voci += [(strato + "σ'v a metà (t/m²)", decimali(s["meta"], 4, margini, strato + "σ'v")),
                 (strato + "K", testo_reale(s["klat"], "K")),
                 (strato + TAN_DI_PROGETTO, decimali(s["tgang"], 6, margini, strato + "tan")),
                 (strato + "Li (m)", testo_reale(s["lung"], "L")),
                 (strato + LATERALE_DI_STRATO, decimali(s["laterale"], 4, margini, strato + "Ql,i"))]
    rapporto_punta, giudizio_punta = giudizio_rapporto(p["qpunta"] / punta, margini, "Qp / Qp,s")
    rapporto_fusto, giudizio_fusto = giudizio_rapporto(p["qlat"] / fusto, margini, "Ql / Ql,s")
    voci += [("Ql,s", decimali(fusto, 2, margini, "Ql,s")),
             ("Qp nel rapporto", decimali(p["qpunta"], 2, margini, "Qp")), ("Qp/Qp,s", rapporto_punta),
             ("Ql nel rapporto", decimali(p["qlat"], 2, margini, "Ql")), ("Ql/Ql,s", rapporto_fusto),
             ("giudizio punta", giudizio_punta), ("giudizio laterale", giudizio_fusto)]
    return dict(capitolo=CAPITOLO_CONFRONTO, voci=voci, strati=strati, punta=punta, fusto=fusto,
                sopra=sopra)


def relazione_di_calcolo(caso):
    """Le cifre dei capitoli 7 e 10.2 della relazione di calcolo dell'esempio,
    dalla finestra come il caso la lascia: ogni combinazione su una copia."""
    margini = Margini()
    capitoli = []
    for k, esito in enumerate(caso.verifica["combinazioni"]):
        f, p = copy.deepcopy(caso.finestra), {}
        f.combinazione = k
        calcola_portanza(f, p, margini)
        capitoli.append(dict(capitolo=CAPITOLO_CALCOLO.format(k + 1), sigla=SIGLE[k], passi=p,
                             voci=voci_calcolo(f, p, esito, margini)))
    confronto = calcolo_di_confronto(capitoli[COMBINAZIONE_CONFRONTO]["passi"], margini)
    return dict(capitoli=capitoli + [confronto], margini=margini)


def righe_cifre_relazione_di_calcolo(nome, r):
    return [f"{nome}\tRELAZIONE_CALCOLO\t{c['capitolo']} {chiave}\t{testo}"
            for c in r["capitoli"] for chiave, testo in c["voci"]]


def a_coppie(voci):
    """Le voci in due colonne di chiavi e testi, per non allungare la tabella."""
    meta = (len(voci) + 1) // 2
    righe = []
    for i in range(meta):
        destra = voci[meta + i] if meta + i < len(voci) else ("", "")
        righe.append(";".join(protetto(x) for x in (*voci[i], *destra)))
    return righe


def soluzione_relazione_di_calcolo(r):
    """Le cifre della relazione di calcolo per il frammento del caso."""
    out = [".SH 2", "Soluzione a mano: la relazione di calcolo", ".LP",
           "Le cifre del capitolo 7 e del paragrafo 10.2 della relazione di calcolo che il programma scrive per "
           "questo caso (paragrafo 3.6), calcolate qui dai passi di CALCOLA PORTANZA di ogni "
           "combinazione, ciascuna con la chiave con cui la prova automatica la cerca nella "
           "relazione del programma: la chiave di uno strato nomina la colonna della sua tabella, "
           "«numeri» i numeri messi nella formula. Le forze in kN sono le cifre in t mostrate, per "
           "9,80665 esatto, a due decimali. Un valore seguito da " + SEGUE + " è scritto dalla "
           "relazione a 15 cifre significative, qui alle cifre che il calcolo in doppia precisione "
           "non può cambiare."]
    for c in r["capitoli"]:
        titolo = (f"{c['capitolo']}, {c['sigla']}" if "sigla" in c
                  else f"{c['capitolo']}, calcolo semplice di confronto ({SIGLE[COMBINAZIONE_CONFRONTO]})")
        strati = [(k, t) for k, t in c["voci"] if k.startswith("strato ")]
        altre = [(k, t) for k, t in c["voci"] if not k.startswith("strato ")]
        colonne = list(dict.fromkeys(k.split(" ", 2)[2] for k, _ in strati))
        numeri = sorted({int(k.split(" ")[1]) for k, _ in strati})
        righe = [f"{j};" + ";".join(dict(strati)[f"strato {j} {col}"] for col in colonne) for j in numeri]
        out += [".ne 3.2i", ".LP", f"\\fBParagrafo {titolo} della relazione di calcolo\\fP.", ".LP"]
        out += riquadro("Strato;" + ";".join(protetto(col) for col in colonne),
                        " ".join(["c"] * (len(colonne) + 1)) + "\n" + " ".join(["r"] * (len(colonne) + 1)),
                        righe)
        out.append(".LP")
        out += riquadro("Chiave;Relazione;Chiave;Relazione", "l l l l", a_coppie(altre))
    return out


# --- La composizione in groff ---------------------------------------------

def cifre(x, significative=10):
    """Un valore intermedio per la stampa: 10 cifre significative."""
    if x == 0:
        return "0"
    passo = Decimal(1).scaleb(x.adjusted() - significative + 1)
    testo = format(x.quantize(passo, ROUND_HALF_EVEN), "f")
    if "." in testo:
        testo = testo.rstrip("0").rstrip(".")
    return virgola(testo)


def protetto(testo):
    """Un testo qualsiasi dentro una tabella o una riga groff."""
    testo = testo.replace("\\", "\\e")
    return ("\\&" + testo) if testo[:1] in ".'" else testo


def riquadro(intestazione, formato, righe):
    out = [".TS", "center box tab(;);", formato + "."]
    out.append(intestazione)
    out.append("=")
    out += righe
    out.append(".TE")
    return out


def stringhe(caso):
    """Le cifre che il testo della relazione cita, come stringhe groff."""
    p, f = caso.passi, caso.finestra
    out = [f'.ds {caso.nome}-titolo "{caso.titolo}']
    for nome in LETTURE:
        out.append(f'.ds {caso.nome}-{nome} "{f.caselle[nome]}')
    if "totale" in p:
        pieno = p["totale"] * p["coefgr"]
        out.append(f'.ds {caso.nome}-totale "{cifre(p["totale"])}')
        out.append(f'.ds {caso.nome}-gruppo "{cifre(p["gruppo"])}')
        out.append(f'.ds {caso.nome}-gruppo-pieno "{cifre(pieno)}')
        out.append(f'.ds {caso.nome}-gruppo-pieno-visto "{figura(virgola(str(pieno)), Margini(), "M8")}')
    for (casella, n), cifra in caso.portanze_xi.items():
        out.append(f'.ds {caso.nome}-{casella}-xi{n} "{cifra}')
    if caso.verifica:
        out += stringhe_verifica(caso.nome, caso.verifica)
    if caso.relazione_calcolo:
        voci = dict(caso.relazione_calcolo["capitoli"][-1]["voci"])
        out += [f'.ds {caso.nome}-confronto-punta "{voci["Qp/Qp,s"]}',
                f'.ds {caso.nome}-confronto-laterale "{voci["Ql/Ql,s"]}']
    return out


def stringhe_verifica(nome, v):
    out = [f'.ds {nome}-nq "{testo_nq(v["nq"])}',
           f'.ds {nome}-approccio1 "{v["approccio1"] or "-"}',
           f'.ds {nome}-approccio2 "{v["approccio2"] or "-"}']
    if v["verticali"]["fattori"]:
        out.append(f'.ds {nome}-xi3 "{due_decimali(v["verticali"]["fattori"][1])}')
    for k, c in enumerate(v["combinazioni"], 1):
        if not c["errore"]:
            out += [f'.ds {nome}-M8-{k} "{c["caselle"]["M8"]}',
                    f'.ds {nome}-Ed-{k} "{o_trattino(c["ed"])}',
                    f'.ds {nome}-Rd-{k} "{o_trattino(c["rd"])}',
                    f'.ds {nome}-rapporto-{k} "{o_trattino(c["rapporto"])}']
    return out


def frammento(caso, figure):
    p, f = caso.passi, caso.finestra
    out = [".ne 3i", ".SH 2"]
    out.append("Dati digitati")
    out.append(".LP")
    out.append("Nell'ordine della finestra, come nel file di input "
               f"\\f(CW{caso.nome}.txt\\fP (capitolo 7).")
    out += riquadro("Casella;Didascalia;Testo digitato", "l l l",
                    [f"{c};{protetto(DIDASCALIE[c])};\\f(CW{protetto(t)}\\fP"
                     for c, t in caso.digitati])
    out.append(".LP")
    out += riquadro("Strato;E (φ, gradi);F (spessore, m);G (γ, t/m³);D (K)", "r l l l l",
                    [f"{j};" + ";".join(f"\\f(CW{v}\\fP" for v in valori)
                     for j, valori in enumerate(caso.strati, 1)])
    out.append(".LP")
    out.append(f"Combinazione scelta: {COMBINAZIONI[f.combinazione][0]}.")
    if "LD" in p:
        out += [".SH 2", "Soluzione a mano: CALCOLA L/D", ".LP",
                f'.EQ\nL/D = 100 times "{virgola(str(p["L"]))}" / "{virgola(str(p["Dcm"]))}"'
                f' = "{f.caselle["H"]}"\n.EN',
                f"L'angolo d'attrito alla punta è quello dello strato {p['punta']}: "
                f"Z9 = {f.caselle['Z9']}."]
    if "totale" in p:
        out += soluzione_portanza(caso)
    if caso.verifica:
        out += soluzione_verifica(caso)
    if caso.curva:
        out += soluzione_curva(caso.curva)
    if caso.relazione_calcolo:
        out += soluzione_relazione_di_calcolo(caso.relazione_calcolo)
    out += [".SH 2", "Letture del programma", ".LP"]
    out += riquadro("Casella;Didascalia;Valore atteso", "l l l",
                    [f"{c};{protetto(DIDASCALIE[c])};\\f(CW{protetto(f.caselle[c]) or '(vuota)'}\\fP"
                     for c in LETTURE])
    for messaggio in caso.messaggi:
        out += [".LP", "Il messaggio mostrato dal programma:", ".DS I", "\\f(CW"]
        out += [protetto(r) for r in messaggio.split("\n")]
        out += ["\\fP", ".DE"]
    out += figure
    return out


def soluzione_portanza(caso):
    p = caso.passi
    nome, *_ = COMBINAZIONI[p["combinazione"]]
    fcp, fcpns, fcv = (virgola(str(x)) for x in p["fattori"])
    v = lambda x: virgola(str(x))
    out = [".SH 2", "Soluzione a mano: CALCOLA PORTANZA", ".LP",
           f"Combinazione {nome}. I valori intermedi sono scritti a 10 cifre significative;"
           " il calcolo ne porta 50.", ".LP"]
    righe = [
        f"1;carico totale;CP + CPNS + CV = {v(p['cp'])} + {v(p['cpns'])} + {v(p['cv'])};{cifre(p['cartot'])}",
        f"4;$gamma sub n L N sub q$;{v(p['peso_punta'])} × {v(p['lunghezza_punta'])} × {v(p['nq'])}"
        f" (γ dello strato {p['n']});{cifre(p['gamma_l_nq'])}",
        f"5;d = D / 100;{v(p['diametro'])} / 100 (m);{cifre(p['d'])}",
        f"5;$Q sub p$ (punta);{cifre(p['gamma_l_nq'])} × 3,14 × {cifre(p['d'])}² / {v(p['div_punta'])};"
        f"{cifre(p['qpunta'])}",
        f"5;carico incrementato;{fcp} × {v(p['cp'])} + {fcpns} × {v(p['cpns'])} + {fcv} × {v(p['cv'])};"
        f"{cifre(p['carmag'])}",
    ]
    out += riquadro("Passo;Grandezza;Calcolo;Valore", "r l l r", righe)
    out += [".LP", f"Gli strati (passo 7): φ in radianti = φ × 3,14 / 180, $tan phi sub d$ = tan φ / "
            f"{v(p['div_tan'])}, termine = ½ K γ L $tan phi sub d$.", ".LP"]
    out += riquadro("j;φ;K;γ;L;φ rad;tan φ;$tan phi sub d$;termine", "r r r r r r r r r",
                    [f"{t['j']};{v(t['ang'])};{v(t['klat'])};{v(t['peso'])};{v(t['lung'])};"
                     f"{cifre(t['angrad'])};{cifre(t['tan'])};{cifre(t['tgang'])};{cifre(t['termine'])}"
                     for t in p["termini"]]
                    + ["_", f"somma;;;;;;;;{cifre(p['somma'])}"])
    out.append(".LP")
    righe = [
        f"8;$Q sub l$ (laterale);{cifre(p['somma'])} × 3,14 × {v(p['diametro'])} × {v(p['lunghezza_lat'])}"
        f" / {v(p['div_lat'])};{cifre(p['qlat'])}",
        f"9;$Q sub p + Q sub l$;{cifre(p['qpunta'])} + {cifre(p['qlat'])};{cifre(p['totale'])}",
        f"12;coefficiente di gruppo;{v(p['pali'])} pali;{v(p['coefgr'])}",
        f"14;gruppo;K3 visualizzato × coefficiente = {v(p['totale_visto'])} × {v(p['coefgr'])};"
        f"{cifre(p['gruppo'])}",
    ]
    out += riquadro("Passo;Grandezza;Calcolo;Valore", "r l l r", righe)
    out += [".LP", "Arrotondamenti: ogni cifra visualizzata e la sua distanza dal limite di "
            "arrotondamento più vicino (mezza unità dell'ultima cifra scritta). Il calcolo in "
            "doppia precisione del programma sbaglia di meno di $10 sup -12$ in relazione al valore: "
            "ogni distanza qui sotto è molto maggiore, e la cifra visualizzata è la stessa.", ".LP"]
    out += riquadro("Cifra;Valore a 15 cifre;Passo;Distanza", "l r r r",
                    [f"{protetto(n)};{cifre(x, 15)};{virgola(str(s.normalize()))};{cifre(dist, 3)}"
                     for n, x, s, dist in caso.margini.voci
                     if n.split()[0] in ("CARTOT", "CARMAG", "K3", "M3", "M4", "M8")])
    return out


def figure_del_caso(nome):
    """Le figure le scrive la costruzione: la finestra e le pagine della relazione."""
    return [f".so figure/{nome}.ms"]


def righe_cifre(caso):
    out = []
    for nome in LETTURE:
        out.append(f"{caso.nome}\t{nome}\t{caso.finestra.caselle[nome]}")
    for messaggio in caso.messaggi:
        out.append(f"{caso.nome}\tMESSAGGIO\t" + messaggio.replace("\n", "\\n"))
    for r in caso.relazione or []:
        out.append(f"{caso.nome}\tRELAZIONE\t{r}")
    for (casella, n), cifra in caso.portanze_xi.items():
        out.append(f"{caso.nome}\tXI\t{casella} {n} {cifra}")
    if caso.verifica:
        out += righe_cifre_verifica(caso.nome, caso.verifica)
    if caso.curva:
        out += righe_cifre_curva(caso.nome, caso.curva)
    if caso.relazione_calcolo:
        out += righe_cifre_relazione_di_calcolo(caso.nome, caso.relazione_calcolo)
    return out


def elenco_file(casi):
    out = []
    for caso in casi:
        out += [".SH 2", f"\\f(CW{caso.nome}.txt\\fP", ".DS L", ".ft CW", ".ps 9"]
        out += [protetto(r) for r in caso.righe]
        out += [".ps", ".ft", ".DE"]
    return out


def ascii(testo):
    """I frammenti inclusi non passano per preconv: ogni lettera fuori
    dall'ASCII diventa il suo nome groff."""
    return "".join(c if ord(c) < 128 else f"\\[u{ord(c):04X}]" for c in testo)


def main():
    cartella_casi, uscita = Path(sys.argv[1]), Path(sys.argv[2])
    uscita.mkdir(parents=True, exist_ok=True)
    # caso2 prima di caso10: nell'ordine dei numeri, come la relazione li presenta.
    casi = [Caso(p) for p in sorted(cartella_casi.glob("caso*.txt"), key=lambda p: int(p.stem[4:]))]
    for caso in casi:
        if caso.nome in ESEMPIO_SVOLTO:
            calcola_portanze_xi(caso)
    tsv = []
    for caso in casi:
        testo = "\n".join(frammento(caso, figure_del_caso(caso.nome))) + "\n"
        testo = testo.replace(".SH 2\n", ".ne 1.5i\n.SH 2\n")  # un titolo resta col suo testo
        (uscita / f"{caso.nome}.ms").write_text(ascii(testo), encoding="ascii")
        tsv += righe_cifre(caso)
    (uscita / "file-di-input.ms").write_text(ascii("\n".join(elenco_file(casi)) + "\n"),
                                            encoding="ascii")
    esempio = next(caso for caso in casi if caso.nome == ESEMPIO_GIUDIZIO)
    tabella_giudizio, definizioni_giudizio = controllo_a_mano(esempio)
    definizioni = ([f".ds numero-casi {len(casi)}"] + [r for caso in casi for r in stringhe(caso)]
                   + definizioni_giudizio)
    (uscita / "casi.ms").write_text(ascii("\n".join(definizioni) + "\n"), encoding="ascii")
    (uscita / "cifre.tsv").write_text("\n".join(tsv) + "\n", encoding="utf-8")
    (uscita / "tabella-xi.ms").write_text(ascii("\n".join(tabella_xi()) + "\n"), encoding="ascii")
    (uscita / "esempio-xi.ms").write_text(ascii("\n".join(esempio_xi(casi)) + "\n"),
                                          encoding="ascii")
    (uscita / "giudizio.ms").write_text(ascii("\n".join(tabella_giudizio) + "\n"), encoding="ascii")
    (uscita / "fattori-xi.tsv").write_text(
        "".join(f"{n}\t{xi3}\t{xi4}\n" for n, xi3, xi4 in FATTORI_XI), encoding="utf-8")


if __name__ == "__main__":
    main()
