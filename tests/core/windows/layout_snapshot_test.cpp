#include "config/dcf_file.h"
#include "shell/layout_file.h"
#include "platform/files.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"
#include "windows/layout_snapshot.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"

namespace pw {
namespace {

class LayoutSnapshotTest : public EditorTest {
protected:
    // Two picture windows sharing one image, a text window and a job record.
    void SetUp() override {
        EditorTest::SetUp();
        for (int i = 0; i < 2; ++i) {
            cWindow& w = AddWindow(10 + 50 * i, 10, 40 + 50 * i, 40);
            w.DrawType = dtImage;
            w.BMP[0] = "C:\\logo.bmp";
            w.ImageHeld.set(0);
            editor.doc.images.ImageList.AcquireImage(w.BMP[0])->Transparent = 7;
        }
        AddWindow(200, 100, 300, 140).Text.Set(1, "Ground\r\nfloor");
        editor.doc.layout.InputSpec.JobName = "Tower";
        editor.doc.layout.CurWindow = WindowAt(editor.doc.layout, 2);
    }
    const cImage* Logo() const { return editor.doc.images.ImageList.FindImage("C:\\logo.bmp"); }
};

TEST_F(LayoutSnapshotTest, PuttingALayoutBackUndoesEveryChangeAndSharesItsImages) {
    const std::string before = WriteLayoutText(editor.doc.layout);
    const cImage* logo = Logo();
    const LayoutSnapshot kept(editor.doc.layout, editor.doc.images.ImageList);

    // Change windows, selection, job record, display size and the image's colour; give up
    // both counts, so the image leaves the store.
    SetValue(editor.doc, editor.view, *WindowAt(editor.doc.layout, 3), wfX0, 0);
    editor.doc.layout.InputSpec.JobName = "Other";
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    editor.doc.images.ImageList.FindImage("C:\\logo.bmp")->Transparent = 42;
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, WindowAt(editor.doc.layout, 1));
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, WindowAt(editor.doc.layout, 1));
    ASSERT_EQ(Logo(), nullptr);

    for (int round = 0; round < 2; ++round) { // a snapshot can be put back again and again
        views.layoutsReplaced = 0;
        PutLayoutBack(editor.doc, editor.view, kept);
        EXPECT_EQ(WriteLayoutText(editor.doc.layout), before);
        EXPECT_EQ(Logo(), logo) << "the image itself comes back, never read again";
        EXPECT_EQ(Logo()->RefCount, 2u) << "one count per entry that holds it";
        EXPECT_EQ(editor.doc.layout.CurWindow, WindowAt(editor.doc.layout, 2));
        EXPECT_EQ(editor.view.canvas.Width(), 640);
        EXPECT_EQ(views.layoutsReplaced, 1);
        SetValue(editor.doc, editor.view, *WindowAt(editor.doc.layout, 2), wfX0, 0);
    }
}

TEST_F(LayoutSnapshotTest, ACopiedLayoutHoldsWindowsOfItsOwn) {
    Layout copy = editor.doc.layout;
    ASSERT_EQ(copy.WindowList.size(), 4u);
    EXPECT_NE(copy.WindowList[2].get(), editor.doc.layout.WindowList[2].get());
    EXPECT_EQ(copy.CurWindow, copy.WindowList[2].get());
    copy.WindowList[3]->Text.Set(1, "changed");
    EXPECT_EQ(WindowAt(editor.doc.layout, 3)->Text[1], "Ground\r\nfloor");
}

TEST_F(LayoutSnapshotTest, CountsFollowTheEntriesThatHoldThem) {
    ImageStore& store = editor.doc.images.ImageList;
    store.AcquireImage("C:\\orphan.bmp");   // no entry holds it
    store.AcquireImage("C:\\logo.bmp");     // one count too many
    WindowAt(editor.doc.layout, 3)->BMP[5] = "C:\\logo.bmp"; // named, but it took no count
    RecountImages(editor.doc.layout, store);
    EXPECT_EQ(store.FindImage("C:\\orphan.bmp"), nullptr);
    EXPECT_EQ(Logo()->RefCount, 2u);
}

TEST_F(LayoutSnapshotTest, LoadingAndSavingALayoutThisProgramWroteChangesNoByte) {
    TempDrive drive;
    // Windows that show no text at their index, the Background object among them, and a
    // window whose text gets the default font when drawn: neither may change on the way.
    AddWindow(20, 200, 140, 230, wtPosition).CurIndex = 3;
    cWindow& shown = AddWindow(20, 300, 140, 330);
    shown.Text.Set(0, "Welcome");
    RedrawAll(editor.view, editor.doc);
    SaveLayout(editor.doc, "C:\\first.dcf");
    for (const std::uint8_t view : {vmDesign, vmStatic}) {
        editor.view.ViewMode = view;
        LoadLayout(editor, "C:\\first.dcf");
        SaveLayout(editor.doc, "C:\\again.dcf");
        EXPECT_EQ(ReadFileBytes("C:\\again.dcf", 1 << 20), ReadFileBytes("C:\\first.dcf", 1 << 20))
            << "view " << int(view);
    }
    EXPECT_TRUE(WindowAt(editor.doc.layout, 0)->FontName.empty());
}

TEST(ObserverList, EveryAttachedViewIsToldAndADetachedOneNoLonger) {
    struct Counter : EditorObserver {
        int told = 0;
        Observers* list = nullptr;
        EditorObserver* detachOther = nullptr;
        void SelectionChanged() override {
            ++told;
            if (detachOther) list->Detach(*detachOther);
        }
    };
    Observers list;
    Counter first, second;
    first.list = &list;
    first.detachOther = &second; // a view that removes another while being told
    list.Attach(first);
    list.Attach(second);
    list.Notify(&EditorObserver::SelectionChanged);
    EXPECT_EQ(first.told, 1);
    EXPECT_EQ(second.told, 0);
    list.Notify(&EditorObserver::SelectionChanged);
    EXPECT_EQ(first.told, 2);
    EXPECT_EQ(second.told, 0);
}

} // namespace
} // namespace pw
