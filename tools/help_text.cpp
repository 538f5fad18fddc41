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

  scenario_tool check TESTO_LINEA TESTO_CORSA [--line-id ID --train NUMERO]
                [--json] [--encoding cp1252|utf-8]
      Controlla i due testi e ne elenca ogni errore e avviso, senza scrivere
      nulla. Ognuno è su una riga:
        FILE:RIGA:COLONNA: errore CODICE: SIGNIFICATO
        FILE:RIGA:COLONNA: avviso: SIGNIFICATO
      seguita dalla riga del testo e da un segno ^~~~ sotto il campo. Sono
      riportati anche gli errori che il compilatore troverebbe solo dopo aver
      corretto i primi (il controllo prosegue come se la voce sbagliata non
      ci fosse), fino a 100 in tutto; poi una riga di riepilogo ("2 errori,
      3 avvisi"). Senza --line-id e --train l'identità viene dai nomi dei
      testi (ID_linea.txt e ID_NUMERO-.txt) o è quella predefinita.
      --encoding utf-8 converte in Windows-1252 testi salvati in UTF-8.
      --json: un solo oggetto JSON con diagnostics, errors e warnings.
      Stato di uscita: 0 senza errori (anche con avvisi), 1 con almeno un
      errore, 2 per argomenti o file sbagliati.

  scenario_tool compile TESTO_LINEA TESTO_CORSA --line-id ID --train NUMERO
                [--out CARTELLA] [--no-line-data] [--write-on-error]
                [--encoding cp1252|utf-8] [--json]
      Compila i due testi esattamente come l'installatore compila i suoi
      (compilatore, passata finale, timbri, scrittura), in memoria: i file
      dell'autore non sono mai modificati né cancellati. Scrive nella
      CARTELLA (predefinita: quella corrente; creata se manca) i file binari
      ID_linea.dat (non con --no-line-data), ID_NUMERO.sim e ID_NUMERO.dat,
      e ne stampa i nomi. Prima mostra, come check, ogni errore e avviso dei
      testi. Quando il compilatore registra un errore non scrive alcun file
      binario, perché uno scenario incompleto non sostituisca uno buono; con
      --write-on-error li scrive come li scriverebbe l'installatore e dice
      che sono incompleti. Con i timbri già presenti e con un testo della
      linea che non arriva alla lunghezza del percorso nessun file binario è
      scritto.
      --json: stampa invece un solo oggetto JSON con code, position (metri),
      km, file, line, meaning (l'errore come lo registra l'installatore),
      files (i file scritti) e diagnostics; null dove non si applica.

  scenario_tool documents TESTO_LINEA TESTO_CORSA --line-id ID --train NUMERO
                [--out CARTELLA] [--notes FILE] [--classification TESTO]
                [--blocked-mass TESTO] [--rank LETTERA] [--legend-note TESTO]
                [--encoding cp1252|utf-8] [--json]
      Compila i due testi come compile (senza scrivere i file binari) e
      scrive nella CARTELLA (predefinita: quella corrente; creata se manca)
      i documenti per il macchinista, ricavati dalla corsa compilata nelle
      forme di quelli dell'installatore: ID_NUMERO_scheda_treno.txt (una
      riga d'orario per ogni stazione, con i limiti di velocità),
      ID_NUMERO_rallentamenti.txt (l'ordine di rallentamento, Modulo M. 3)
      e ID_NUMERO_note.txt (il testo di --notes, UTF-8 o Windows-1252, con
      le righe come sono scritte; senza --notes una pagina con i fatti della
      corsa). Testi con un errore registrato sono rifiutati mostrando, come
      check, errori e avvisi, e nessun documento è scritto; così anche un
      nome più largo della sua casella. --classification (predefinita REGIONALE),
      --blocked-mass (360T) e --rank (B, la lettera dopo la velocità
      massima) riempiono le caselle della scheda che la corsa non ha;
      --legend-note aggiunge una riga alla legenda. --json: un solo oggetto
      JSON come compile, con refusal (il motivo del rifiuto), files e
      diagnostics.

  scenario_tool package TESTO_LINEA TESTO_CORSA --line-id ID --train NUMERO
                -o CARTELLA [--documents CARTELLA] [--encoding cp1252|utf-8]
      Fa di uno scenario un installatore da dare ai macchinisti: un solo
      programma che, avviato dalla cartella del simulatore, mostra
      "Attendere", scrive i documenti, compila i testi, scrive i tre file
      binari e finisce, come l'installatore dello scenario predefinito.
      Controlla i testi come compile (con errori non scrive niente) e
      scrive nella CARTELLA (creata se manca) ID_NUMERO_installer per
      Linux e, dove è compilato l'installatore per Windows, anche
      ID_NUMERO_installer.exe. I documenti sono i tre file di --documents,
      con i nomi che dà loro l'installatore (ID_NUMERO_scheda_treno.txt,
      ID_NUMERO_rallentamenti.txt, ID_NUMERO_note.txt), o senza
      --documents quelli che scriverebbe documents. ID e NUMERO non possono
      contenere neppure : * ? " < > |, che Windows non ammette nei nomi.

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
  1  check, compile, documents, package: il compilatore o la passata
     finale registrano un errore; documents, package: la corsa non entra
     nei documenti
  2  argomenti errati, o un file che non si può leggere, scrivere o decodificare
     (il messaggio nomina il file e il motivo)
  3  errore interno del programma
)";
}

}  // namespace scenario::tools
