#pragma once
// Tests that read window groups of a layout file's text into the editor's layout.

#include "config/dcf_file.h"
#include "support/editor_fixture.h"

#include <string>

namespace pw {

class WindowGroupsTest : public EditorTest {
protected:
    void Read(const std::string& text) {
        DcfReader in(text);
        ReadGroups(editor.doc.layout, in, host);
    }
    static std::string Window(const std::string& body) {
        return "[ WINDOW\r\n" + body + "WINDOW END ]\r\n\r\n";
    }
};

} // namespace pw
