#pragma once
// A layout file read into a value before anything in the editor changes: the layout, the
// images its BMP lines ask for, the display size its Background object holds, and whether
// the file ended early. A file that cannot be read throws, and nothing has been touched;
// one that reads is then put in place, images and display size with it.

#include "config/dcf_reader.h"
#include "config/image_requests.h"
#include "platform/host.h"
#include "windows/layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pw {

struct ParsedLayout {
    Layout layout; // windows without a context: plain data until they are put in place
    std::vector<ImageRequest> images; // only those the windows end with
    int displayWidth = 0; // 0: no Background object was read
    int displayHeight = 0;
    bool endedEarly = false;
};

// Reads the file's bytes as ReadGroups does, onto a copy of the job record of the layout
// open now (fields the file does not name keep their values) and going on with its window
// numbers. Unknown groups are reported through host as they are met.
ParsedLayout ParseLayout(const std::string& bytes, const Layout& open, Host& host);
// The same, reading from file.
ParsedLayout ParseLayout(DcfReader& file, const Layout& open, Host& host);
// The same, reading the file at path piece by piece: only the layout is ever held whole, not
// its text. Throws IoError or FormatError as ReadFileBytes does for a layout file.
ParsedLayout ParseLayoutFile(const std::string& path, const Layout& open, Host& host);

} // namespace pw
