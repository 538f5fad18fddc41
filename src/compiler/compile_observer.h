#pragma once

#include <cstdint>

#include "records/compile_state.h"
#include "text/compile_failure.h"
#include "text/field_observer.h"

namespace scenario::compiler {

// Everything the compile and the finishing pass can tell of their work, for
// the authors' diagnostics: the fields and entries of each text (as
// text::FieldObserver), which occupant each entry places in which cell,
// every code recorded (as records::RecordObserver) and what the failure
// trap caught. The compile does exactly the same with or without one; with
// none (the installer's case) each event costs one test of a null pointer.
class CompileObserver : public text::FieldObserver, public records::RecordObserver {
 public:
  // The compile turns to the line text, then to the run text; kNone: the
  // finishing pass.
  virtual void text_begins(records::SourceText text) = 0;
  // The current entry, or in the finishing pass the handling of the cell
  // `for_cell` (a warning point or a slow-section start), placed an occupant
  // of `type` in `cell`.
  virtual void placed(std::int64_t cell, std::uint8_t type, std::int64_t for_cell = -1) = 0;
  // The failure trap caught `failure` and records code 25 next.
  virtual void trapped(const text::CompileFailure& failure) = 0;
};

}  // namespace scenario::compiler
