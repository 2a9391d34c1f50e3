#include "config/window_group.h"
#include "shell/keyboard_editing.h"
#include "shell/selection.h"
#include "shell/undo_history.h"
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
    w.Text.Set(1, "Ground");
    w.Text.Set(99, "Roof\r\nGarden");
    SelectWindow(editor.doc, editor.view, &w);
    const std::string copied = CopyWindowText(editor.doc.layout, editor.selection);

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
    pasted.Text.Set(99, w.Text[99]);
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
    for (const std::string& text :
         {std::string("Lobby screen"), std::string(),
          std::string("[ INPUT\r\n  Job Name = A\r\nINPUT END ]\r\n"), group.substr(0, 40),
          "  " + group, group + "Lobby\r\n" + group, group + group.substr(0, 40)}) {
        SCOPED_TRACE(text);
        host.messages.clear();
        EXPECT_FALSE(PasteWindowText(editor, text));
        EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, kNotAWindow);
    }
    EXPECT_TRUE(PasteWindowText(editor, "\r\n" + group + "\r\n\r\n"));
}

TEST_F(WindowCopiesTest, SeveralWindowsAreCopiedCutAndDuplicatedTogetherEachAsOneStep) {
    const WindowId low = AddWindow(605, 100, 634, 119).Id;
    cWindow& lift = AddWindow(500, 300, 619, 339);
    lift.Text.Set(0, "Lift 2");
    editor.selection.Locked.insert(lift.Number); // copied and duplicated, not cut
    const WindowId high = lift.Id, other = AddWindow(10, 10, 49, 29).Id;
    const auto select = [&](std::set<WindowId> ids, WindowId current) {
        SelectWindow(editor.doc, editor.view, FindWindow(editor.doc.layout, current));
        editor.selection.Assign(std::move(ids));
    };
    const auto placesOfCopies = [&] {
        std::vector<Rect> places;
        for (const cWindow* w : SelectedWindows(editor.doc.layout, editor.selection))
            places.push_back({w->X0, w->Y0, w->X1, w->Y1});
        return places;
    };
    select({low, high}, high);
    editor.doc.history.Reset(editor.doc);
    const std::string copied = CopyWindowText(editor.doc.layout, editor.selection);
    // Both move 10 on; the right edge that would leave the display is held at its edge.
    const std::vector<Rect> copies{{615, 110, 639, 129}, {510, 310, 629, 349}};

    ASSERT_TRUE(PasteWindowText(editor, copied));
    CommandEnded(editor.doc);
    EXPECT_EQ(editor.doc.history.UndoSteps(), 1u);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 6u);
    EXPECT_EQ(placesOfCopies(), copies);
    EXPECT_EQ(editor.doc.layout.CurWindow, editor.doc.layout.WindowList[5].get()) << "the last";
    EXPECT_EQ(editor.doc.layout.CurWindow->Text[0], "Lift 2") << "in the order they were drawn";
    Undo(editor.doc, editor.view);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 4u);

    select({low, high}, low);
    DuplicateSelection(editor);
    CommandEnded(editor.doc);
    EXPECT_EQ(editor.doc.history.UndoSteps(), 1u);
    EXPECT_EQ(placesOfCopies(), copies);
    EXPECT_EQ(editor.doc.layout.CurWindow, editor.doc.layout.WindowList[4].get())
        << "the copy of the current window";
    Undo(editor.doc, editor.view);

    // Copies from a larger display that would start beyond this one come back together.
    std::string far = copied;
    for (const auto& [from, to] : {std::pair{"605, 100, 634, 119", "905, 100, 934, 119"},
                                   std::pair{"500, 300, 619, 339", "800, 300, 919, 339"}})
        far.replace(far.find(from), std::string(from).size(), to);
    ASSERT_TRUE(PasteWindowText(editor, far));
    EXPECT_EQ(placesOfCopies(), (std::vector<Rect>{{610, 110, 639, 129}, {505, 310, 624, 349}}));
    CommandEnded(editor.doc);
    Undo(editor.doc, editor.view);

    // Cut takes what Delete takes: the locked window stays, and stays off the clipboard.
    select({low, high, other}, other);
    const std::string cut = CutWindowText(editor);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(cut.find("Lift 2"), std::string::npos);
    EXPECT_NE(cut.find("605, 100, 634, 119"), std::string::npos);
    EXPECT_NE(cut.find("10, 10, 49, 29"), std::string::npos);
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
        DuplicateSelection(editor);
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
