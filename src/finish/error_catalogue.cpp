#include "finish/error_catalogue.h"

#include <algorithm>
#include <array>

namespace scenario::finish {
namespace {

// One row per code (doc/error_codes.md gives the same codes in English).
constexpr std::array kCatalogue = {
    ErrorMeaning{1, "la lunghezza del percorso supera 1000000 m", false},
    ErrorMeaning{2, "un valore di progressiva chilometrica non è multiplo di 50", false},
    ErrorMeaning{3, "l'inizio della ripetizione segnali non è multiplo di 50", false},
    ErrorMeaning{4, "la fine della ripetizione segnali non è multipla di 50", false},
    ErrorMeaning{5, "la parola chiave della ripetizione segnali non contiene né 4 né 9", false},
    ErrorMeaning{6, "il cartello cade su una cella già occupata", true},
    ErrorMeaning{7, "la cella del punto di abbattimento è già occupata", true},
    ErrorMeaning{8, "la posizione della stazione non è multipla di 50", true},
    ErrorMeaning{9, "la lunghezza della stazione non è multipla di 100", true},
    ErrorMeaning{10, "le stazioni hanno raggiunto i testi dei cartelli nella tabella", false},
    ErrorMeaning{11,
                 "nessuna delle due celle davanti al segnale, prima del punto di avviso di un "
                 "rallentamento, è libera o è un punto di abbattimento",
                 true},
    ErrorMeaning{12, "le tre celle di una finestra davanti al rallentamento sono tutte occupate",
                 true},
    ErrorMeaning{13,
                 "nessuna cella libera per un punto di abbattimento lungo il rallentamento o "
                 "davanti al primo segnale dopo di esso",
                 true},
    ErrorMeaning{15, "la voce sta oltre la fine del binario", true},
    ErrorMeaning{16, "la cella del segnale è già occupata", true},
    ErrorMeaning{17, "il punto di avviso del rallentamento (1200 m prima) è già occupato", true},
    ErrorMeaning{18, "la cella d'inizio del rallentamento è già occupata", true},
    ErrorMeaning{19, "la cella di fine del rallentamento è già occupata", true},
    ErrorMeaning{20, "una delle quattro celle di preavviso del rallentamento è già occupata", true},
    ErrorMeaning{21, "l'indicatore di velocità cade su una cella già occupata", true},
    ErrorMeaning{22, "l'area della stazione inizia meno di 350 m dopo la fine della precedente",
                 true},
    ErrorMeaning{24, "l'area della stazione (tipo sotto 25) finisce entro i primi 100 m", false},
    ErrorMeaning{25,
                 "errore imprevisto nella lettura: oltre la fine del testo, un campo non "
                 "numerico o un valore troppo grande per il suo campo",
                 false},
    ErrorMeaning{101, "il testo della linea non esiste", false},
    ErrorMeaning{102, "nessun campo con \"[generale]\" prima della fine del testo", false},
    ErrorMeaning{103,
                 "la parola chiave della curva non ha una cifra da 1 a 6, o il tracciato supera "
                 "1000000 m",
                 false},
    ErrorMeaning{201, "la sezione \"[generale]\" non ha la voce \"lunghezza percorso\"", false},
    ErrorMeaning{202, "la lunghezza del percorso è negativa", true},
    ErrorMeaning{203, "il tratto di terreno copre celle fuori dal binario", true},
    ErrorMeaning{204, "la curva va oltre la fine del tracciato (lunghezza + 7000 m)", true},
    ErrorMeaning{205, "un 82° cartello: gli slot dei testi da 80 a 0 sono tutti occupati", true},
    ErrorMeaning{206, "il cartello sta prima dell'inizio della linea", true},
    ErrorMeaning{207,
                 "le voci di pendenza fuori ordine scriverebbero oltre l'ultima cella del binario",
                 true},
    ErrorMeaning{208, "la pendenza è fuori dall'intervallo da -100 a 155 per mille", true},
    ErrorMeaning{221, "la cella del segnale cadrebbe prima della cella 0", true},
    ErrorMeaning{222, "le celle del rallentamento cadrebbero fuori dal binario", true},
    ErrorMeaning{223, "la cella di fermata della stazione cadrebbe oltre l'ultima cella", true},
    ErrorMeaning{224, "la cella del punto di abbattimento cadrebbe prima della cella 0", true},
    ErrorMeaning{241,
                 "il rallentamento non ha cella di fine: la sua fine è caduta nella cella "
                 "d'inizio e nessun rallentamento segue",
                 true},
    ErrorMeaning{kCodeFormatStampSet,
                 "timbro di formato già presente: value_a della cella 1 (intorno ai primi 50 m: "
                 "un segnale, un cartello o un punto di abbattimento) o short_a dello slot 85 "
                 "non è 0; nessun file binario scritto",
                 false},
    ErrorMeaning{kCodeIdentificationCodeSet,
                 "codice d'identificazione già presente: value_b della cella 1 (intorno ai primi "
                 "50 m: un segnale, un cartello o un rallentamento) o long_d dello slot 85 non "
                 "è 0; nessun file binario scritto",
                 false},
};

static_assert(std::is_sorted(kCatalogue.begin(), kCatalogue.end(),
                             [](const ErrorMeaning& a, const ErrorMeaning& b) {
                               return a.code < b.code;
                             }));

}  // namespace

std::span<const ErrorMeaning> error_catalogue() {
  return kCatalogue;
}

std::optional<ErrorMeaning> error_meaning(std::int32_t code) {
  const auto found =
      std::lower_bound(kCatalogue.begin(), kCatalogue.end(), code,
                       [](const ErrorMeaning& entry, std::int32_t c) { return entry.code < c; });
  if (found == kCatalogue.end() || found->code != code)
    return std::nullopt;
  return *found;
}

}  // namespace scenario::finish
