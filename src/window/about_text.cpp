#include "window/about_text.h"

namespace pali {

std::string AboutText()
{
    return "Portanza dei pali per terreni incoerenti\n"
           "Versione " PALI_VERSION "\n\n"
           "Portanza assiale di un palo trivellato in terreno incoerente con il metodo di "
           "Berezantzev, e portanza ridotta di un gruppo da 1 a 6 pali, con i coefficienti "
           "parziali del D.M. 14/01/2008.\n\n"
           "ATTENZIONE: le portanze mostrate sono la resistenza calcolata divisa per i soli "
           "coefficienti \u03b3R. Il programma non applica i fattori di correlazione \u03be3 e "
           "\u03be4 che il D.M. 14/01/2008 (par. 6.4.3.1.1, tabella 6.4.IV) chiede per la "
           "resistenza calcolata dai parametri del terreno: con una sola verticale indagata "
           "le portanze vanno divise a mano per 1,70 (per 1,60 e 1,48 con tre verticali). "
           "Senza questa divisione il palo risulta verificato dal lato non sicuro.\n\n"
           "Il programma non tratta terreni coesivi, trazione, carichi orizzontali, cedimenti, "
           "sisma, falda e pali infissi: vedere il campo d'impiego nella Relazione di "
           "validazione.\n\n"
           "Licenza MIT. Copyright (c) 2026 The portanza-pali developers.";
}

}  // namespace pali
