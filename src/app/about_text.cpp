// SPDX-License-Identifier: MIT

#include "app/about_text.h"

namespace pali {

std::string AboutText()
{
    return "Portanza dei pali per terreni incoerenti\n"
           "Versione " PALI_VERSION
           "\n\n"
           "Portanza assiale di un palo trivellato in terreno incoerente con il metodo di "
           "Berezantzev, e portanza ridotta di un gruppo da 1 a 6 pali, con i coefficienti "
           "parziali del D.M. 14/01/2008.\n\n"
           "ATTENZIONE: le portanze mostrate sono le resistenze calcolate divise per i soli "
           "coefficienti γR. Il D.M. 14/01/2008 (par. 6.4.3.1.1, tab. 6.4.IV) chiede di "
           "dividerle anche per il fattore di correlazione ξ sul numero di verticali "
           "indagate (1,70 con una sola verticale), che il programma non applica: senza questa "
           "divisione la verifica è dal lato non sicuro. Prima del confronto con il carico "
           "incrementato dividere a mano per ξ, come spiega la Relazione di validazione.\n\n"
           "Il programma non tratta terreni coesivi, trazione, carichi orizzontali, cedimenti, "
           "sisma, falda e pali infissi: vedere il campo d'impiego nella Relazione di "
           "validazione.\n\n"
           "Licenza MIT. Copyright (c) 2026 The portanza-pali developers.";
}

}  // namespace pali
