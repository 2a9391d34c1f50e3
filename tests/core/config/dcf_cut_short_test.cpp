#include "config/dcf_file.h"
#include "shell/layout_file.h"
#include "platform/files.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

namespace pw {
namespace {

const std::string kBackground = "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n"
                                "  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n";
const std::string kWindowStart = "[ WINDOW\r\n  Type = 7, 2\r\n  Position = 10, 10, 99, 49\r\n";

struct Case {
    const char* what;
    std::string file;
    bool endedEarly;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

class CutShortTest : public EditorTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CutShortTest, TheReaderNoticesAFileThatEndsInsideAGroupOrAText) {
    const Case& c = GetParam();
    DcfReader in(c.file);
    ReadGroups(editor.doc.layout, in, host);
    EXPECT_EQ(in.EndedEarly(), c.endedEarly) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CutShortTest,
    ::testing::Values(
        Case{"whole", "[ INPUT\r\n  NLifts = 2\r\nINPUT END ]\r\n\r\n" + kBackground, false},
        Case{"no empty line after the end line", kBackground + kWindowStart + "WINDOW END ]\r\n",
             false},
        Case{"no line end after the end line", kBackground + kWindowStart + "WINDOW END ]", false},
        Case{"a long text cut at its limit",
             kBackground + kWindowStart + "  Text = 0\r\n|" + std::string(4100, 'x') +
                 "|\r\nWINDOW END ]\r\n\r\n",
             false},
        Case{"a key line last", kBackground + kWindowStart, true},
        Case{"inside a text", kBackground + kWindowStart + "  Text = 0\r\n|Ground fl", true},
        Case{"a text closed at the very end", kBackground + kWindowStart + "  Text = 0\r\n|G|",
             true},
        Case{"inside the job record", "[ INPUT\r\n  NLifts = 2\r\n  DestTime = 2000\r\n", true},
        Case{"inside a group of another name", kBackground + "[ ODD\r\n  one\r\n  two\r\n", true}));

class CutShortLoadTest : public EditorTest {
protected:
    TempDrive drive;
};

TEST_F(CutShortLoadTest, ALoadWarnsOnceAndASaveKeepsTheFileAsItsBackup) {
    const std::string cut = kBackground + kWindowStart + "  Text = 0\r\n|Ground fl";
    WriteFileAtomically("C:\\lobby.dcf", cut);
    EXPECT_EQ(LoadLayout(editor, "C:\\lobby.dcf"), LoadOutcome::CutShort);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, CutShortWarning("C:\\lobby.dcf"));
    EXPECT_NE(host.messages[0].text.find("C:\\lobby.dcf\" ends inside a group or a text"),
              std::string::npos);
    // Everything up to the cut is there.
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(editor.doc.layout.WindowList[1]->Text[0], "Ground fl");
    SaveLayout(editor.doc, "C:\\lobby.dcf");
    EXPECT_EQ(ReadFileBytes("C:\\lobby.~dc", 1 << 20), cut);

    host.messages.clear();
    EXPECT_EQ(LoadLayout(editor, "C:\\lobby.dcf"), LoadOutcome::Whole);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace pw
