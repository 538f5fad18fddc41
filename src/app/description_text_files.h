#pragma once

#include "app/file_names.h"
#include "compiler/description_texts.h"

namespace scenario::app {

// The installer's file work around the compiler, which reads only texts in
// memory: the two description texts the installer has written are read back
// and deleted at once, so that neither outlives the compile on any way out.
// A text that does not exist, or a run text that cannot be read, is handed
// on as no text, for the compiler to record (kErrorNoLineText, or
// kErrorUnexpectedFailure once the run is reached). Throws platform::FileError when the line text
// exists but cannot be read (both texts then stay where they are) or a text cannot be deleted.
compiler::DescriptionTexts take_description_texts(const ScenarioFileNames& names);

}  // namespace scenario::app
