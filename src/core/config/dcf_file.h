#pragma once
// A whole layout file: the INPUT group, then one WINDOW group per window in list order.

#include "config/dcf_reader.h"
#include "shell/editor.h"

#include <string>

namespace pw {

// The layout file's bytes for the job record and every window.
std::string WriteLayoutText(Editor& editor);
// Appends the WINDOW group of every window, element 0 first.
void WriteWindows(Editor& editor, std::string& file);

// Reads a whole file into InputSpec and a fresh window list. InputSpec is not reset: fields
// the file does not name keep their values. Nothing is drawn while reading. The last window
// read is left current.
void ReadGroups(Editor& editor, DcfReader& file);

} // namespace pw
