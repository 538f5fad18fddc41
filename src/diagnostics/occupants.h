#pragma once

#include <cstdint>
#include <string>

#include "diagnostics/pass.h"

namespace scenario::diagnostics {

// Where an entry stands, for messages: "della riga 41 del testo della
// linea".
std::string entry_place(const Pass& pass, int entry);

// What occupies `cell` and where it comes from, after "da" ("dal cartello
// indicatore di velocità della riga 41 del testo della linea", "da un punto
// di abbattimento della passata finale per il rallentamento della riga 60
// del testo della corsa"), as it stood when entry `before_entry` began (-1:
// as it stands now).
std::string occupied_by(const Pass& pass, std::int64_t cell, int before_entry = -1);

// The same without "da": "il segnale della riga 63 del testo della corsa".
std::string occupant_of(const Pass& pass, std::int64_t cell, int before_entry = -1);

// "la cella 22 (km 1+050)": a cell and the kilometre where it begins.
std::string cell_named(std::int64_t cell);

// The entry (of any text) that placed the occupant now in `cell`, or for a
// point of the finishing pass the entry of the cell it was placed for; -1
// for none.
int owner_entry(const Pass& pass, std::int64_t cell);

}  // namespace scenario::diagnostics
