#pragma once
// A whole layout file: the INPUT group, then one WINDOW group per window in list order.

#include "config/dcf_reader.h"
#include "platform/files.h"
#include "platform/host.h"
#include "windows/layout.h"

#include <cstddef>
#include <string>

namespace pw {

// Layout files larger than this are refused before they are read.
constexpr std::size_t kMaxLayoutFileBytes = 64u << 20;

// More windows than any job has by far. Each takes about 7.5 KB before its texts, so the
// bound keeps a damaged or hostile file from taking memory without end.
constexpr std::size_t kMaxLayoutWindows = 10000;

// The layout file's bytes for the job record and every window.
std::string WriteLayoutText(const Layout& layout);
// The same bytes handed to sink in pieces, so that a large layout is never held whole as text.
void WriteLayout(const Layout& layout, const ByteSink& sink);
// Appends the WINDOW group of every window, element 0 first.
void WriteWindows(const Layout& layout, std::string& file);

// Reads a whole file into the layout's InputSpec and a fresh window list. InputSpec is not
// reset: fields the file does not name keep their values. A file of more than
// kMaxLayoutWindows windows throws FormatError. Groups of another name are
// reported to the user through host. The last window read is left current. The caller keeps
// the editor from drawing meanwhile (LoadingScope).
void ReadGroups(Layout& layout, DcfReader& file, Host& host);

} // namespace pw
