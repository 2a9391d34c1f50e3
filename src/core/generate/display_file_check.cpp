#include "generate/display_file_check.h"

#include "config/dcf_file.h"
#include "generate/fnt_file.h"
#include "generate/target_folder.h"
#include "images/bm_file.h"
#include "platform/errors.h"

namespace pw {

namespace {

bool EndsWith(const std::string& name, std::string_view ext) {
    return name.size() >= ext.size() &&
           name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
}

// Every message of the layout reader means the display would read the file otherwise than
// the editor meant it.
class Silent final : public Host {
public:
    std::string first;
    void ShowMessage(const std::string& text, const std::string&) override {
        if (first.empty()) first = text;
    }
    Answer Ask(const std::string& text, Buttons) override {
        ShowMessage(text, {});
        return Answer::No;
    }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
};

Layout DecodeLayout(const std::string& name, std::string_view bytes) {
    Layout layout;
    DcfReader reader(bytes);
    Silent host;
    ReadGroups(layout, reader, host);
    const auto bad = [&](const std::string& why) {
        return FormatError("The file " + name + " does not read back as a layout: " + why + ".");
    };
    if (!host.first.empty()) throw bad(host.first);
    if (reader.EndedEarly()) throw bad("it ends inside a group or a text");
    if (layout.WindowList.empty()) throw bad("it holds no windows");
    return layout;
}

} // namespace

void DecodeDisplayFile(const std::string& name, std::string_view bytes,
                       DecodedDisplayFiles& decoded) {
    if (name == kDisplayConfigName)
        decoded.layout = DecodeLayout(name, bytes);
    else if (EndsWith(name, ".fnt"))
        decoded.fonts.insert_or_assign(name, ParseFontFile(bytes, name));
    else if (EndsWith(name, ".bm"))
        decoded.bitmaps.insert_or_assign(name, ParseBitmapFile(bytes, name));
}

void DecodeDisplayFile(const std::string& name, std::string_view bytes) {
    DecodedDisplayFiles unused;
    DecodeDisplayFile(name, bytes, unused);
}

} // namespace pw
