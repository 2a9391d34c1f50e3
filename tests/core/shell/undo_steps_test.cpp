// One scenario per kind of command: the layout file's bytes before the command come back with
// undo, those after it with redo, and the step is named by what changed. Each command's events
// end as the editor ends them, one by one, so a drag of several events must still be one step.

#include "shell/window_commands.h"
#include "config/dcf_file.h"
#include "dialogs/image_dialog_logic.h"
#include "dialogs/text_edit_session.h"
#include "shell/canvas_editing.h"
#include "shell/keyboard_editing.h"
#include "shell/place_mode.h"
#include "shell/timer_step.h"
#include "shell/window_copies.h"
#include "support/bmp_bytes.h"
#include "support/editor_fixture.h"
#include "support/fake_memo.h"
#include "support/temp_drive.h"
#include "shell/redraw.h"
#include "shell/window_change.h"
#include "shell/window_setters.h"
#include "windows/shown_values.h"

#include <fstream>
#include <functional>

namespace pw {
namespace {

class UndoStepsTest : public EditorTest {
protected:
    TempDrive drive;
    cWindow* message = nullptr;  // (100, 100, 219, 129)
    cWindow* position = nullptr; // (300, 200, 419, 229)

    void SetUp() override {
        EditorTest::SetUp();
        std::ofstream(drive.root / "logo.bmp", std::ios::binary)
            << test::Bitmap24({{0xF03030, 0x20A0A0}});
        message = &AddWindow(100, 100, 219, 129);
        message->Text.Set(0, "Welcome");
        position = &AddWindow(300, 200, 419, 229, wtPosition);
        position->Text.Set(1, "Ground");
        position->Text.Set(2, "First");
        position->CurIndex = 1;
        // On the screen before anyone edits it, as a loaded layout is.
        RedrawAll(editor.view, editor.doc);
        editor.doc.history.Reset(editor.doc);
    }
    std::string Bytes() const { return WriteLayoutText(editor.doc.layout); }
};

using Event = std::function<void(Editor&, cWindow& message, cWindow& position)>;

struct StepCase {
    const char* step;
    std::vector<Event> events;
};

void Press(Editor& e, int x, int y) {
    FormMouseDown(e, mbLeft, ssLeft, x, y);
}
void Drag(Editor& e, int x, int y) {
    FormMouseMove(e, ssLeft, x, y);
}
void Release(Editor& e, int x, int y) {
    FormMouseUp(e, mbLeft, 0, x, y);
}

const std::vector<StepCase> kCases = {
    {"Place Position Window",
     {[](Editor& e, auto&, auto&) { ArmPlace(e.pointer, e.observers, pmPosition); },
      [](Editor& e, auto&, auto&) { Press(e, 20, 300); },
      [](Editor& e, auto&, auto&) { Release(e, 20, 300); }}},
    {"Place Destination/Status",
     {[](Editor& e, auto&, auto&) { ArmPlace(e.pointer, e.observers, pmDestinationStatus); },
      [](Editor& e, auto&, auto&) { Press(e, 20, 300); },
      [](Editor& e, auto&, auto&) { Release(e, 20, 300); }}},
    {"Move Message Window",
     {[](Editor& e, auto&, auto&) { Press(e, 150, 110); },
      [](Editor& e, auto&, auto&) { Drag(e, 160, 115); },
      [](Editor& e, auto&, auto&) { Drag(e, 190, 140); },
      [](Editor& e, auto&, auto&) { Release(e, 190, 140); }}},
    {"Resize Message Window",
     {[](Editor& e, auto& m, auto&) { SelectWindow(e.doc, e.view, &m); },
      [](Editor& e, auto&, auto&) { Press(e, 220, 110); },
      [](Editor& e, auto&, auto&) { Drag(e, 260, 110); },
      [](Editor& e, auto&, auto&) { Release(e, 260, 110); }}},
    {"Font Size of Message Window",
     {[](Editor& e, auto& m, auto&) { SetValue(e.doc, e.view, m, wfFontSize, 32); }}},
    {"Index of Position Window",
     {[](Editor& e, auto&, auto&) { SetIndexForType(e.doc, e.view, wtPosition, 2); }}},
    {"Justification of Message Window", {[](Editor& e, auto& m, auto&) {
         SetValue(e.doc, e.view, m, wfFormat, fmRight | fmVCentre);
     }}},
    {"Draw Type of Message Window",
     {[](Editor& e, auto& m, auto&) { SetValue(e.doc, e.view, m, wfDrawType, dtRectangle); }}},
    {"Font of Message Window", {[](Editor& e, auto& m, auto&) {
         m.FontName = "Liberation Serif";
         m.FontStyle = fsBold;
         DrawWindow(e.view, e.doc, m, DrawMode::Draw);
     }}},
    // Generate files names the font files the texts are drawn from.
    {"Font File Names of Message Window",
     {[](Editor&, auto& m, auto&) { m.FntFile = "Arial20.fnt"; }}},
    {"Colours of Message Window", {[](Editor& e, auto& m, auto&) {
         m.FG = 255;
         m.BG0 = 195;
         DrawWindow(e.view, e.doc, m, DrawMode::Draw);
     }}},
    // A whole Text Edit session: two indexes edited.
    {"Edit Text of Message Window", {[](Editor& e, auto& m, auto&) {
         FakeMemo memo;
         TextEditSession session(memo);
         session.Start(m);
         session.Painted();
         memo.text = "Bienvenue";
         session.MemoChanged();
         session.SwitchIndex(1);
         memo.text = "Line 1\r\nLine 2";
         session.MemoChanged();
         session.Finish();
         ChangeWindow(e.doc, e.view, m.Id, session.Draft(), wfText | wfCurIndex);
     }}},
    {"Image of Message Window", {[](Editor& e, auto& m, auto&) {
         auto& host = static_cast<RecordingHost&>(e.host);
         host.openFiles = {std::string("C:\\logo.bmp")};
         ImageDialogLogic dialog(e.doc.images, e.host, e.observers, e.view);
         dialog.entry = {&e.doc.layout, m.Id, 3};
         dialog.FormShow();
         dialog.Browse1Click();
         dialog.FormClose();
     }}},
    {"Delete Message Window",
     {[](Editor& e, auto& m, auto&) { SelectWindow(e.doc, e.view, &m); },
      [](Editor& e, auto&, auto&) { DeleteCurrentWindow(e.doc, e.view); }}},
    {"Put Message Window on Top", {[](Editor& e, auto& m, auto&) {
         PutOnTop(e.doc.layout, &m);
         RedrawAll(e.view, e.doc);
     }}},
    {"Set Up", {[](Editor& e, auto&, auto&) {
         e.doc.layout.InputSpec.JobName = "Tower B";
         SetDisplaySize(e.doc, e.view, 800, 600);
     }}},
    {"Move Position Window",
     {[](Editor& e, auto&, auto& p) { SelectWindow(e.doc, e.view, &p); },
      [](Editor& e, auto&, auto&) { NudgeWindow(e.doc, e.view, 0, 10); }}},
    {"Duplicate Position Window",
     {[](Editor& e, auto&, auto& p) { SelectWindow(e.doc, e.view, &p); },
      [](Editor& e, auto&, auto&) { DuplicateSelection(e); }}},
};

class UndoStepTest : public UndoStepsTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UndoStepTest, UndoGivesBackTheBytesBeforeAndRedoThoseAfter) {
    const StepCase& c = GetParam();
    const std::string before = Bytes();
    for (const Event& event : c.events) {
        event(editor, *message, *position);
        CommandEnded(editor.doc);
    }
    ASSERT_EQ(editor.doc.history.UndoSteps(), 1u);
    EXPECT_EQ(editor.doc.history.UndoName(), c.step);
    const std::string after = Bytes();
    ASSERT_NE(after, before);

    Undo(editor.doc, editor.view);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor.doc.history.RedoName(), c.step);
    Redo(editor.doc, editor.view);
    EXPECT_EQ(Bytes(), after);
    EXPECT_FALSE(editor.doc.history.CanRedo());
}

INSTANTIATE_TEST_SUITE_P(Commands, UndoStepTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.step;
    std::erase_if(name, [](char ch) { return !std::isalnum(ch); });
    return name;
});

TEST_F(UndoStepsTest, SelectingIsNoStepButUndoComesBackToTheWindowActedOn) {
    Press(editor, 350, 210); // selects the Position window
    Release(editor, 350, 210);
    CommandEnded(editor.doc);
    EXPECT_FALSE(editor.doc.history.CanUndo());
    SelectWindow(editor.doc, editor.view, message);
    CommandEnded(editor.doc);
    DeleteCurrentWindow(editor.doc, editor.view);
    CommandEnded(editor.doc);
    Undo(editor.doc, editor.view);
    ASSERT_NE(editor.doc.layout.CurWindow, nullptr);
    EXPECT_EQ(editor.doc.layout.CurWindow->Text[0], "Welcome");
}

TEST_F(UndoStepsTest, TimerTicksAreNoStepsAndNoUndoTakesThemBack) {
    cWindow& clock = AddWindow(10, 400, 339, 429, wtTimeDate);
    clock.Text.Set(0, TimeDateSample(0));
    RedrawAll(editor.view, editor.doc);
    editor.doc.history.Reset(editor.doc);
    int minute = 0;
    editor.run.LocalTime = [&minute] {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mday = 1;
        t.tm_wday = 4;
        t.tm_hour = 9;
        t.tm_min = minute;
        return t;
    };
    editor.view.ViewMode = vmDynamic;
    editor.run.TickCount = 7; // the lift leaves on the next tick
    const auto tick = [&] {
        ++minute;
        TimerStep(editor);
    };
    tick();
    CommandEnded(editor.doc);
    EXPECT_FALSE(editor.doc.history.CanUndo());

    // A nudge with ticks before its end: the step holds the nudge alone.
    SelectWindow(editor.doc, editor.view, message);
    NudgeWindow(editor.doc, editor.view, 1, 0);
    tick();
    CommandEnded(editor.doc);
    ASSERT_EQ(editor.doc.history.UndoName(), "Move Message Window");
    tick();
    const std::string live(clock.Text[0]);
    const std::int32_t floor = position->CurIndex;
    ASSERT_NE(floor, 1) << "the ticks moved the lift";
    EXPECT_EQ(live, "9:03 am  Thursday 1 Jan 26");
    Undo(editor.doc, editor.view);
    const cWindow& clockNow = *WindowAt(editor.doc.layout, 3);
    EXPECT_EQ(clockNow.Text[0], live);
    EXPECT_EQ(WindowAt(editor.doc.layout, 2)->CurIndex, floor);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->X0, 100);
    EXPECT_FALSE(HasUnsavedChanges(editor.doc)) << "ticks are nothing to save";
}

} // namespace
} // namespace pw
