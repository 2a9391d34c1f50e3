#include "config/window_group.h"
#include "shell/keyboard_editing.h"
#include "shell/window_commands.h"
#include "shell/window_copies.h"
#include "support/editor_fixture.h"

namespace pw {
namespace {

using WindowCopiesTest = EditorTest;

TEST_F(WindowCopiesTest, AWindowTravelsToAnotherEditorAsItsGroupTextAndBecomesOneOfItsOwn) {
    cWindow& w = AddWindow(100, 50, 219, 79, wtPosition);
    w.Tag = 9;
    w.Format = fmCentre | fmShared;
    w.FontName = "Arial";
    w.FontSize = 24;
    w.Text[1] = "Ground";
    w.Text[99] = "Roof\r\nGarden";
    SelectWindow(editor.doc, editor.view, &w);
    const std::string copied = CopyWindowText(editor.doc.layout);

    RecordingHost otherHost;
    Editor other(otherHost, text);
    CreateDefaultLayout(other.doc, other.view);
    pw::AddWindow(other, 10, 10, 50, 50); // Number 2 there; the pasted one is 3
    // A text editor may have saved the lines with LF alone...
    std::string edited = copied;
    std::erase(edited, '\r');
    // and without the line end after the last line.
    ASSERT_TRUE(PasteWindowText(other, edited.substr(0, edited.size() - 2)));

    ASSERT_EQ(other.doc.layout.WindowList.size(), 3u);
    cWindow& pasted = *other.doc.layout.WindowList[2];
    EXPECT_EQ(other.doc.layout.CurWindow, &pasted);
    EXPECT_EQ(pasted.Number, 3u);
    EXPECT_EQ(pasted.Tag, 3u) << "no longer shares its place with the original's partners";
    EXPECT_EQ((Rect{pasted.X0, pasted.Y0, pasted.X1, pasted.Y1}), (Rect{110, 60, 229, 89}));
    EXPECT_EQ(pasted.Text[99], "Roof\nGarden");
    // Everything else as it was.
    pasted.Text[99] = w.Text[99];
    pasted.Number = w.Number;
    pasted.Tag = w.Tag;
    pasted.X0 -= 10, pasted.Y0 -= 10, pasted.X1 -= 10, pasted.Y1 -= 10;
    std::string again;
    WriteWindowGroup(pasted, again);
    EXPECT_EQ(again, copied);
}

TEST_F(WindowCopiesTest, TextThatIsNotOneWholeWindowIsRefusedAndChangesNothing) {
    const std::string group = "[ WINDOW\r\n  Type = 7, 5\r\n  Position = 1, 2, 30, 40\r\n"
                              "WINDOW END ]\r\n";
    for (const std::string& text : {std::string("Lobby screen"), std::string(),
                                    std::string("[ INPUT\r\n  Job Name = A\r\nINPUT END ]\r\n"),
                                    group.substr(0, 40), group + group, "  " + group}) {
        SCOPED_TRACE(text);
        host.messages.clear();
        EXPECT_FALSE(PasteWindowText(editor, text));
        EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, kNotAWindow);
    }
    EXPECT_TRUE(PasteWindowText(editor, "\r\n" + group + "\r\n\r\n"));
}

TEST_F(WindowCopiesTest, DuplicatesTakeImageCountsAndStayOnTheDisplay) {
    cWindow& logo = AddWindow(600, 100, 639, 129);
    logo.BMP[0] = "C:\\logo.bmp";
    logo.ImageHeld.set(0);
    const cImage* image = editor.doc.images.ImageList.AcquireImage(logo.BMP[0]);
    cWindow& corner = AddWindow(632, 472, 639, 479, wtBackground);
    const struct {
        cWindow* original;
        Rect copy;
    } rows[] = {
        {&logo, {610, 110, 639, 139}},   // clipped at the right edge
        {&corner, {632, 472, 639, 479}}, // would start beyond the display: moved back in
    };
    for (const auto& row : rows) {
        SelectWindow(editor.doc, editor.view, row.original);
        DuplicateWindow(editor);
        const cWindow& copy = *editor.doc.layout.CurWindow;
        EXPECT_EQ((Rect{copy.X0, copy.Y0, copy.X1, copy.Y1}), row.copy);
        EXPECT_EQ(copy.Tag, copy.Type == wtBackground ? 0u : copy.Number);
    }
    EXPECT_EQ(image->RefCount, 2u);
    SelectWindow(editor.doc, editor.view, &logo);
    DeleteCurrentWindow(editor.doc, editor.view);
    EXPECT_EQ(image->RefCount, 1u);
}

TEST_F(WindowCopiesTest, ArrowKeysMoveThroughTheSettersAndNeverTheBackground) {
    cWindow& w = AddWindow(5, 5, 104, 34);
    SelectWindow(editor.doc, editor.view, &w);
    NudgeWindow(editor.doc, editor.view, -10, 0); // would leave the display: refused
    NudgeWindow(editor.doc, editor.view, 1, 0);
    NudgeWindow(editor.doc, editor.view, 0, -1);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{6, 4, 105, 33}));
    SelectWindow(editor.doc, editor.view, Background(editor.doc.layout));
    NudgeWindow(editor.doc, editor.view, 10, 10);
    DeleteCurrentWindow(editor.doc, editor.view);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(Background(editor.doc.layout)->X0, 0);
}

} // namespace
} // namespace pw
