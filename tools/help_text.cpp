#include "tools/help_text.h"

namespace scenario::tools {

std::string_view help_text() {
  return R"(scenario_tool: strumenti per chi scrive scenari (una linea e una corsa).

Uso:
  scenario_tool texts CARTELLA [--force]
      Scrive nella CARTELLA (creata se manca) i testi di descrizione della
      linea e della corsa predefinite, Velbrio_Dolvena_linea.txt e
      Velbrio_Dolvena_30527-.txt, come li scrive l'installatore: un esempio
      funzionante da cui partire. Se uno dei due c'è già non scrive niente,
      a meno di --force, che li sovrascrive.

  scenario_tool compile TESTO_LINEA TESTO_CORSA --line-id ID --train NUMERO
                [--out CARTELLA] [--no-line-data] [--json]
      Compila i due testi esattamente come l'installatore compila i suoi
      (compilatore, passata finale, timbri, scrittura), lavorando su copie:
      i file dell'autore non sono mai modificati né cancellati. Scrive nella
      CARTELLA (predefinita: quella corrente; creata se manca) i file binari
      ID_linea.dat (non con --no-line-data), ID_NUMERO.sim e ID_NUMERO.dat,
      e ne stampa i nomi. Un errore registrato è riportato su una riga:
        FILE:RIGA: errore CODICE a km K+MMM: SIGNIFICATO
      FILE e RIGA indicano il testo e la riga della voce che ha causato
      l'errore; le parti che non si applicano sono omesse (per esempio
      "errore 13 a km 10+050: ..." per un errore della passata finale).
      Con 1250 e 1251 (timbri già presenti) e con un testo della linea che
      non arriva alla lunghezza del percorso nessun file binario è scritto.
      --json: stampa invece un solo oggetto JSON con code, position (metri),
      km, file, line, meaning e files (i file scritti); null dove non si
      applica.

  scenario_tool dump FILE [--kind table|cells|plan] [--all] [--json]
      Decodifica un file binario: la tabella dello scenario (.sim), il file
      delle celle (.dat) o i dati di linea (_linea.dat). Il tipo viene dal
      nome o da --kind. Elenca gli slot non vuoti della tabella con i nomi
      dei campi, le celle con il tipo e i soli campi diversi da 0 e il
      chilometro (cella k: km k x 50 m), il tracciato in sintesi (metri,
      tipi, primo e ultimo punto, riquadro) e, con --all, punto per punto.
      Un file che non rispetta il formato è rifiutato indicando il byte e il
      motivo. --json: lo stesso contenuto come JSON.

  scenario_tool plot CARTELLA --line-id ID --train NUMERO -o FILE.svg
      Disegna in un solo file SVG lo scenario compilato nella CARTELLA: la
      pianta della linea (nord in alto, scale uguali, stazioni) dai dati di
      linea e, lungo i chilometri, il profilo altimetrico, la pendenza, i
      limiti di velocità, le stazioni, i segnali, i rallentamenti, i
      cartelli e le gallerie, la curvatura e l'aderenza; gli oggetti oltre
      la lunghezza della linea nella coda ombreggiata. Il nome del file
      deve finire in .svg.

  scenario_tool view CARTELLA --line-id ID --train NUMERO -o FILE.html
      Scrive una pagina HTML a sé (nessun file esterno, nessuna rete) da
      aprire nel browser: quello che mostra plot, da ingrandire fino a
      poche centinaia di metri (rotella, trascinamento, tasti + - frecce,
      o un tratto scritto come 12+000 13+500), con la pianta che segue il
      tratto visto. Indicando o facendo clic su un punto mostra il
      chilometro, la cella con ogni campo, il suo nome e il significato,
      lo slot di una stazione o di un testo di cartello e le coordinate
      della pianta in quel metro. Cerca stazioni, testi di cartello e
      chilometri ("12+350").

  scenario_tool codes
      Elenca tutti i codici di errore con il loro significato.

  scenario_tool --help
      Questo testo.

  scenario_tool --version
      La versione del programma.

ID e NUMERO (--line-id, --train) sono l'identificatore della linea e il
numero del treno con cui sono nominati i file, come nei nomi dei testi
ID_linea.txt e ID_NUMERO-.txt: per lo scenario predefinito Velbrio_Dolvena e
30527. Sono testi qualsiasi, non vuoti, senza / né \ e scritti con i soli
caratteri di Windows-1252; anche NUMERO può contenere lettere.

Stato di uscita:
  0  fatto, nessun errore registrato
  1  compile: il compilatore o la passata finale hanno registrato un errore
  2  argomenti errati, o un file che non si può leggere, scrivere o decodificare
     (il messaggio nomina il file e il motivo)
  3  errore interno del programma
)";
}

}  // namespace scenario::tools
