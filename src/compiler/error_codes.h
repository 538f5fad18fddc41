#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace scenario::compiler {

// Every code the compiler, the finishing pass and the format stamps record in
// the compile state, each with all that is known of it in one row: the
// installer's and the tools' messages, the fuzzers' expectations and the
// documentation's test are drawn from these rows (doc/error_codes.md lists
// them in English).

// The description text a code puts the blame on.
enum class Blame : std::uint8_t {
  kNone,           // the compiled track, not an entry of a text
  kLineText,       // the line description text
  kRunText,        // the run description text
  kTextBeingRead,  // whichever text was being read when it was recorded
};

// Where a code is recorded.
enum class Stage : std::uint8_t {
  kLineGeneral,  // before the line text's "[generale]" section ends: may leave no track
  kLineEntries,  // among the line's entries after "[generale]"
  kRunRows,      // among the run's rows, or at the run text's end
  kAnyText,      // wherever a text is read
  kFinishingScan,
  kFormatStamps,  // the stamps are found already set: no binary file is written
};

struct ErrorCode {
  std::int32_t number;
  std::string_view name;  // a stable identifier: lower case, underscores
  Blame blame;
  // Whether the code records a position of its own; the others keep the
  // position held so far, or record none.
  bool own_position;
  Stage stage;
  std::string_view meaning;  // Italian

  // A row stands for its number wherever a code is recorded or compared.
  constexpr operator std::int32_t() const { return number; }
};

// Line description text.
inline constexpr ErrorCode kErrorLineTooLong{
    1,     "line_too_long",     Blame::kLineText,
    false, Stage::kLineGeneral, "la lunghezza del percorso supera 1000000 m"};
inline constexpr ErrorCode kErrorRepetitionStart{
    3,     "repetition_start_off_grid", Blame::kLineText,
    false, Stage::kLineGeneral,         "l'inizio della ripetizione segnali non è multiplo di 50"};
inline constexpr ErrorCode kErrorRepetitionEnd{
    4,     "repetition_end_off_grid", Blame::kLineText,
    false, Stage::kLineGeneral,       "la fine della ripetizione segnali non è multipla di 50"};
inline constexpr ErrorCode kErrorRepetitionCodes{
    5,
    "repetition_without_code_count",
    Blame::kLineText,
    false,
    Stage::kLineGeneral,
    "la parola chiave della ripetizione segnali non contiene né 4 né 9"};
inline constexpr ErrorCode kErrorSignBoardCell{
    6,    "sign_board_cell_taken", Blame::kLineText,
    true, Stage::kLineEntries,     "il cartello cade su una cella già occupata"};
inline constexpr ErrorCode kErrorSpeedIndicatorCell{
    21,   "speed_indicator_cell_taken", Blame::kLineText,
    true, Stage::kLineEntries,          "l'indicatore di velocità cade su una cella già occupata"};
inline constexpr ErrorCode kErrorNoLineText{
    101,   "no_line_text",      Blame::kLineText,
    false, Stage::kLineGeneral, "il testo della linea non esiste"};
inline constexpr ErrorCode kErrorNoGeneralSection{
    102,   "no_general_section", Blame::kLineText,
    false, Stage::kLineGeneral,  "nessun campo con \"[generale]\" prima della fine del testo"};
inline constexpr ErrorCode kErrorPlan{
    103,
    "curve_class_or_plan_length",
    Blame::kLineText,
    false,
    Stage::kLineEntries,
    "la parola chiave della curva non ha una cifra da 1 a 6, o il tracciato supera 1000000 m"};

// Run description text.
inline constexpr ErrorCode kErrorKilometricReference{
    2,
    "kilometric_reference_off_grid",
    Blame::kLineText,
    false,
    Stage::kRunRows,
    "un valore di progressiva chilometrica non è multiplo di 50"};
inline constexpr ErrorCode kErrorAbatementCellTaken{
    7,    "abatement_cell_taken", Blame::kRunText,
    true, Stage::kRunRows,        "la cella del punto di abbattimento è già occupata"};
inline constexpr ErrorCode kErrorStationPosition{
    8,
    "station_position_off_grid",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "la posizione della stazione non è multipla di 50"};
inline constexpr ErrorCode kErrorStationLength{
    9,    "station_length_off_grid", Blame::kRunText,
    true, Stage::kRunRows,           "la lunghezza della stazione non è multipla di 100"};
inline constexpr ErrorCode kErrorStationsReachBoardTexts{
    10,
    "stations_reach_board_texts",
    Blame::kRunText,
    false,
    Stage::kRunRows,
    "le stazioni hanno raggiunto i testi dei cartelli nella tabella"};
inline constexpr ErrorCode kErrorSignalCellTaken{
    16,   "signal_cell_taken", Blame::kRunText,
    true, Stage::kRunRows,     "la cella del segnale è già occupata"};
inline constexpr ErrorCode kErrorWarningPointTaken{
    17,
    "warning_point_taken",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "il punto di avviso del rallentamento (1200 m prima) è già occupato"};
inline constexpr ErrorCode kErrorSlowStartTaken{
    18,   "slow_start_taken", Blame::kRunText,
    true, Stage::kRunRows,    "la cella d'inizio del rallentamento è già occupata"};
inline constexpr ErrorCode kErrorSlowEndTaken{
    19,   "slow_end_taken", Blame::kRunText,
    true, Stage::kRunRows,  "la cella di fine del rallentamento è già occupata"};
inline constexpr ErrorCode kErrorPreWarningTaken{
    20,
    "pre_warning_taken",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "una delle quattro celle di preavviso del rallentamento è già occupata"};
inline constexpr ErrorCode kErrorStationSpacing{
    22,
    "stations_too_close",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "l'area della stazione inizia meno di 350 m dopo la fine della precedente"};
inline constexpr ErrorCode kErrorStationAtLineStart{
    24,
    "station_at_line_start",
    Blame::kRunText,
    false,
    Stage::kRunRows,
    "l'area della stazione (tipo sotto 25) finisce entro i primi 100 m"};

// Both texts.
inline constexpr ErrorCode kErrorBeyondTrack{
    15,   "beyond_track",  Blame::kTextBeingRead,
    true, Stage::kAnyText, "la voce sta oltre la fine del binario"};
inline constexpr ErrorCode kErrorUnexpectedFailure{
    25,
    "unexpected_failure",
    Blame::kTextBeingRead,
    false,
    Stage::kAnyText,
    "errore imprevisto nella lettura: oltre la fine del testo, un campo non numerico o un "
    "valore troppo grande per il suo campo"};

// Finishing pass; positions are a cell index times 50.
inline constexpr ErrorCode kErrorSignalNotCovered{
    11,
    "signal_not_covered",
    Blame::kNone,
    true,
    Stage::kFinishingScan,
    "nessuna delle due celle davanti al segnale, prima del punto di avviso di un "
    "rallentamento, è libera o è un punto di abbattimento"};
inline constexpr ErrorCode kErrorWindowTaken{
    12,
    "window_taken",
    Blame::kNone,
    true,
    Stage::kFinishingScan,
    "le tre celle di una finestra davanti al rallentamento sono tutte occupate"};
inline constexpr ErrorCode kErrorNoRoomForPoint{
    13,
    "no_room_for_point",
    Blame::kNone,
    true,
    Stage::kFinishingScan,
    "nessuna cella libera per un punto di abbattimento lungo il rallentamento o davanti al "
    "primo segnale dopo di esso"};
inline constexpr ErrorCode kErrorFormatStampSet{
    1250,
    "format_stamp_set",
    Blame::kNone,
    false,
    Stage::kFormatStamps,
    "timbro di formato già presente: value_a della cella 1 (intorno ai primi 50 m: un "
    "segnale, un cartello o un punto di abbattimento) o short_a dello slot 85 non è 0; "
    "nessun file binario scritto"};
inline constexpr ErrorCode kErrorIdentificationCodeSet{
    1251,
    "identification_code_set",
    Blame::kNone,
    false,
    Stage::kFormatStamps,
    "codice d'identificazione già presente: value_b della cella 1 (intorno ai primi 50 m: un "
    "segnale, un cartello o un rallentamento) o long_d dello slot 85 non è 0; nessun file "
    "binario scritto"};

// Our own, for texts the codes above leave unguarded: they would leave no
// track to write, or make the compiler write outside the cell array, the
// plan array or the header table. 201 to 219 line text, 221 to 239 run
// text, 241 to 249 finishing pass.
inline constexpr ErrorCode kErrorNoLineLength{
    201,   "no_line_length",    Blame::kLineText,
    false, Stage::kLineGeneral, "la sezione \"[generale]\" non ha la voce \"lunghezza percorso\""};
inline constexpr ErrorCode kErrorNegativeLineLength{
    202,  "negative_line_length", Blame::kLineText,
    true, Stage::kLineGeneral,    "la lunghezza del percorso è negativa"};
inline constexpr ErrorCode kErrorStretchOutsideCells{
    203,  "stretch_outside_cells", Blame::kLineText,
    true, Stage::kLineEntries,     "il tratto di terreno copre celle fuori dal binario"};
inline constexpr ErrorCode kErrorCurveBeyondPlan{
    204,  "curve_beyond_plan", Blame::kLineText,
    true, Stage::kLineEntries, "la curva va oltre la fine del tracciato (lunghezza + 7000 m)"};
inline constexpr ErrorCode kErrorNoBoardSlotLeft{
    205,
    "no_board_slot_left",
    Blame::kLineText,
    true,
    Stage::kLineEntries,
    "un 82° cartello: gli slot dei testi da 80 a 0 sono tutti occupati"};
inline constexpr ErrorCode kErrorBoardBeforeLineStart{
    206,  "board_before_line_start", Blame::kLineText,
    true, Stage::kLineEntries,       "il cartello sta prima dell'inizio della linea"};
inline constexpr ErrorCode kErrorGradientFillPastTrack{
    207,
    "gradient_fill_past_track",
    Blame::kLineText,
    true,
    Stage::kLineEntries,
    "le voci di pendenza fuori ordine scriverebbero oltre l'ultima cella del binario"};
inline constexpr ErrorCode kErrorGradientOutOfRange{
    208,  "gradient_out_of_range", Blame::kLineText,
    true, Stage::kLineEntries,     "la pendenza è fuori dall'intervallo da -100 a 155 per mille"};
inline constexpr ErrorCode kErrorSignalOutsideCells{
    221,  "signal_outside_cells", Blame::kRunText,
    true, Stage::kRunRows,        "la cella del segnale cadrebbe prima della cella 0"};
inline constexpr ErrorCode kErrorSlowSectionOutsideCells{
    222,
    "slow_section_outside_cells",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "le celle del rallentamento cadrebbero fuori dal binario"};
inline constexpr ErrorCode kErrorStationStopOutsideCells{
    223,
    "station_stop_outside_cells",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "la cella di fermata della stazione cadrebbe oltre l'ultima cella"};
inline constexpr ErrorCode kErrorAbatementOutsideCells{
    224,
    "abatement_outside_cells",
    Blame::kRunText,
    true,
    Stage::kRunRows,
    "la cella del punto di abbattimento cadrebbe prima della cella 0"};
inline constexpr ErrorCode kErrorSectionEndMissing{
    241,
    "section_end_missing",
    Blame::kNone,
    true,
    Stage::kFinishingScan,
    "il rallentamento non ha cella di fine: la sua fine è caduta nella cella d'inizio e "
    "nessun rallentamento segue"};

// Every row, ordered by number.
std::span<const ErrorCode> error_codes();

// The row of `number`; nullptr for a number nothing records (0 included).
const ErrorCode* find_error_code(std::int32_t number);

}  // namespace scenario::compiler
