#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace scenario::docs {

// The lines of the slow order's form ("Modulo M. 3") that stand the same on
// every form, in groups between the lines that carry a run's values. The
// built-in slow order and that of an author's run are both laid out from
// them.

// Restriction rows on one form, filled from the top, the rest left empty.
inline constexpr std::size_t kRestrictionRowsOnAForm = 26;

// Before the line's name: the form's title and rule.
inline constexpr std::array<std::string_view, 4> kSlowOrderTitle = {
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
};

// The restriction table's rule under every row group.
inline constexpr std::string_view kSlowOrderTableBottom =
    " |___|____________________________|____________|__________|_________|____________|";

// After the order to the driver of the train, up to the first restriction
// row.
inline constexpr std::array<std::string_view, 5> kSlowOrderTableHead = {
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    kSlowOrderTableBottom,
};

// After the last row: the table's foot and the letters of the
// "Prescrizioni specifiche" column, in the form's own order A, B, D, C.
inline constexpr std::array<std::string_view, 8> kSlowOrderFoot = {
    kSlowOrderTableBottom,
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di.......",
    " D - Rallentamneto N. ... e N. ...  sono contigui",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
};

// "  Si ordina al macchinista del treno NUMBER di effettura i seguenti
// rallentamenti", the form's order to the driver.
std::string slow_order_instruction(std::string_view train_number);

// A restriction row with every cell blank.
std::string empty_restriction_row();

}  // namespace scenario::docs
