// Every entry that holds its image has exactly one count on it, and an image no entry holds is
// not stored, whatever is done in the Image dialog: the sequences of the dialog's commands one
// by one, then a few hundred random ones over two windows that share images.

#include "dialogs/image_dialog_logic.h"
#include "images/load_image.h"
#include "support/bmp_bytes.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace pw {
namespace {

const std::string kA = "C:\\KVP\\Work\\A.bmp", kB = "C:\\KVP\\Work\\B.bmp",
                  kC = "C:\\KVP\\Work\\C.bmp", kRefused = "C:\\KVP\\Work\\R.bmp",
                  kMissing = "C:\\KVP\\Work\\M.bmp";

class ImageDialogCountsTest : public EditorTest {
protected:
    TempDrive drive;
    ImageDialogLogic dialog{editor.doc.images, editor.host, editor.observers, editor.view};
    cWindow* w1 = nullptr;
    cWindow* w2 = nullptr;

    void SetUp() override {
        EditorTest::SetUp();
        const auto work = drive.root / "KVP" / "Work";
        std::filesystem::create_directories(work);
        std::ofstream(work / "A.bmp", std::ios::binary)
            << test::Bitmap24({{0x20A0A0, 0x808080, 0x123456}});
        std::ofstream(work / "B.bmp", std::ios::binary) << test::Bitmap1({"1101"});
        std::ofstream(work / "C.bmp", std::ios::binary) << test::Bitmap24({{0xF03030}});
        std::ofstream(work / "R.bmp", std::ios::binary) << "not a picture";
        Reset();
    }

    // Two image windows: w1 holds A at index 0 and names R at index 2, w2 holds B at index 1.
    void Reset() {
        ClearWindows(editor.doc.layout);
        editor.doc.images.ImageList.ReleaseAllImages();
        CreateDefaultLayout(editor.doc, editor.view);
        w1 = &AddWindow(10, 10, 100, 100);
        w2 = &AddWindow(200, 10, 300, 100);
        w1->DrawType = w2->DrawType = dtImage;
        Hold(*w1, 0, kA);
        Hold(*w2, 1, kB);
        w1->BMP[2] = kRefused;
    }

    void Hold(cWindow& w, int i, const std::string& name) {
        w.BMP[i] = name;
        if (LoadImage(editor.doc.images, name)) w.ImageHeld.set(i);
    }

    std::uint32_t Count(const std::string& name) const {
        const cImage* image = editor.doc.images.ImageList.FindImage(name);
        return image ? image->RefCount : 0;
    }

    // Counts recomputed from the holders, with the open dialog's own, against the store's.
    void ExpectBalanced(bool open) {
        std::map<std::string, std::uint32_t> holders, stored;
        for (const auto& w : editor.doc.layout.WindowList)
            for (int i = 0; i < kIndexCount; ++i)
                if (w->ImageHeld[i]) ++holders[w->BMP[i]];
        if (open && dialog.CurrentImage) ++holders[dialog.CurrentImage->FileName];
        for (const auto& image : editor.doc.images.ImageList.Images())
            stored[image->FileName] = image->RefCount;
        ASSERT_EQ(stored, holders);
    }

    // One showing for BMP[i] of w, as the Window Information dialog opens it. Upper-case
    // letters browse to a file (x: the file dialog is cancelled), t toggles Dither, p picks;
    // o, c, d and q close with OK, Cancel, Delete and the close box.
    void Session(cWindow& w, int i, const std::string& ops) {
        dialog.ImageName = w.BMP[i];
        dialog.entry = {&editor.doc.layout, w.Id, i};
        dialog.FormShow();
        const std::map<char, std::string> files = {
            {'A', kA}, {'B', kB}, {'C', kC}, {'R', kRefused}, {'M', kMissing}};
        for (const char op : ops) {
            if (files.count(op)) host.openFiles.push_back(files.at(op));
            if (files.count(op) || op == 'x') dialog.Browse1Click();
            if (op == 't') dialog.cbDitherClick(!editor.doc.images.Dither);
            if (op == 'p') {
                dialog.PickTransparentColour1Click();
                dialog.FormMouseUp(0, 0);
            }
            if (op == 'c') dialog.Cancel1Click();
            if (op == 'd') dialog.Delete1Click();
            const bool closes = std::string("ocdq").find(op) != std::string::npos;
            if (closes) dialog.FormClose();
            ExpectBalanced(!closes);
        }
    }
};

TEST_F(ImageDialogCountsTest, EverySequenceLeavesTheCountsTheEntriesHold) {
    struct Case {
        const char* ops;
        bool shared;        // a second entry holds A as well
        int index;          // of w1: 0 holds A, 1 is empty, 2 names R without an image
        std::uint32_t a, c; // counts afterwards, 0 when not stored
        std::string named;  // the entry's name afterwards
        bool held;
    };
    const Case cases[] = {
        {"o", false, 0, 1, 0, kA, true},          // nothing changes
        {"Co", false, 0, 0, 1, kC, true},         // the old image goes, the new one stays
        {"Cc", false, 0, 1, 0, kA, true},         // the new one goes
        {"d", false, 0, 0, 0, "", false},         // the image goes with the name
        {"Co", false, 1, 1, 1, kC, true},         // an empty entry takes the new image
        {"Cc", false, 1, 1, 0, "", false},        // and gives it up on Cancel
        {"Cq", false, 0, 0, 1, kC, true},         // the close box keeps what OK keeps
        {"Co", true, 0, 1, 1, kC, true},          // the other holder keeps A
        {"Cd", true, 0, 1, 0, "", false},         // nobody keeps C
        {"Cd", false, 0, 0, 0, "", false},        // nor A
        {"Ro", false, 0, 0, 0, kRefused, false},  // a refused file is named without an image
        {"Rc", false, 0, 1, 0, kA, true},         // Cancel gives A back
        {"Ro", true, 0, 1, 0, kRefused, false},   // the other holder keeps A
        {"Mo", false, 0, 0, 0, kMissing, false},  // a missing file likewise
        {"CRo", false, 0, 0, 0, kRefused, false}, // the first Browse's image goes at the second
        {"to", true, 0, 2, 0, kA, true},          // read again, both holds kept
        {"o", false, 2, 1, 0, kRefused, false},   // a name the store does not hold stays so
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.ops) + (k.shared ? " shared" : "") + " at index " +
                     std::to_string(k.index));
        Reset();
        if (k.shared) Hold(*w2, 0, kA);
        const cImage* a = editor.doc.images.ImageList.FindImage(kA);
        Session(*w1, k.index, k.ops);
        EXPECT_EQ(Count(kA), k.a);
        EXPECT_EQ(Count(kC), k.c);
        EXPECT_EQ(w1->BMP[k.index], k.named);
        EXPECT_EQ(w1->ImageHeld[k.index], k.held);
        // Cancel gives back the very image the entry had, not one read again.
        if (k.a > 0 && std::string(k.ops).find('t') == std::string::npos) {
            EXPECT_EQ(editor.doc.images.ImageList.FindImage(kA), a);
        }
    }
}

TEST_F(ImageDialogCountsTest, DitherReadsASharedImageAgainAndKeepsBothHolds) {
    Hold(*w2, 0, kA);
    const cImage* undithered = editor.doc.images.ImageList.FindImage(kA);
    Session(*w1, 0, "t");
    EXPECT_NE(dialog.CurrentImage, undithered);
    EXPECT_TRUE(dialog.CurrentImage->Dithered);
    EXPECT_EQ(Count(kA), 3u); // two entries and the dialog
    dialog.FormClose();
    EXPECT_EQ(Count(kA), 2u);
    EXPECT_TRUE(editor.doc.images.ImageList.FindImage(kA)->Dithered);

    // A file that can no longer be read takes no holder's picture away.
    std::ofstream(drive.root / "KVP" / "Work" / "A.bmp", std::ios::binary) << "damaged";
    const cImage* dithered = editor.doc.images.ImageList.FindImage(kA);
    Session(*w1, 0, "t");
    EXPECT_EQ(host.messages.back().caption, "FILE TYPE ERROR");
    EXPECT_EQ(dialog.CurrentImage, dithered);
    EXPECT_TRUE(editor.doc.images.Dither); // the box shows how the picture was read
    dialog.FormClose();
    EXPECT_EQ(Count(kA), 2u);
}

TEST_F(ImageDialogCountsTest, BrowsingToAMissingOrRefusedFileTellsTheUser) {
    Session(*w1, 0, "M");
    EXPECT_EQ(views.captions.back(), "Image  " + kMissing);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kMissing + " was not found.");
    EXPECT_EQ(host.messages[0].caption, "FILE NAME ERROR");
    EXPECT_EQ(dialog.CurrentImage, editor.doc.images.ImageList.FindImage(kA)); // still shown
    dialog.FormClose();

    Session(*w1, 0, "R");
    EXPECT_EQ(host.messages.back().caption, "FILE TYPE ERROR");
    EXPECT_EQ(dialog.CurrentImage, nullptr);
    EXPECT_EQ(dialog.Picture().Width(), 0);
    EXPECT_EQ(dialog.ImageName, kRefused);
    EXPECT_EQ(views.captions.back(), "Image  " + kRefused);
    EXPECT_EQ(host.fileRequests.back().filter,
              "Pictures|*.bmp *.png *.jpg *.jpeg *.gif|Bitmap|*.bmp");
    EXPECT_EQ(host.fileRequests.back().initialDir, "c:\\KVP\\Work");
}

TEST_F(ImageDialogCountsTest, RandomSequencesOverTwoWindowsKeepTheBalance) {
    Hold(*w2, 0, kA);
    Hold(*w1, 1, kB);
    std::mt19937 random(2024);
    const std::string steps = "ABCRMxtp", closes = "ocdq";
    for (int n = 0; n < 300; ++n) {
        std::string ops;
        for (int k = random() % 5; k > 0; --k) ops += steps[random() % steps.size()];
        ops += closes[random() % closes.size()];
        SCOPED_TRACE("session " + std::to_string(n) + ": " + ops);
        Session(random() % 2 ? *w1 : *w2, static_cast<int>(random() % 3), ops);
        if (HasFatalFailure()) return;
    }
}

} // namespace
} // namespace pw
