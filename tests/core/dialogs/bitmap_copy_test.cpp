// Browse to a picture that is not a bitmap the reader converts: the user is asked, a 24-bit
// copy is written beside it and the dialog stands for the copy; or nothing is made.

#include "dialogs/bitmap_copy.h"
#include "dialogs/image_dialog_logic.h"
#include "images/load_image.h"
#include "support/bmp_bytes.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pw {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kTeal = 0x20A0A0; // code 42
constexpr std::uint32_t kRed = 0xF03030;  // code 195

const std::string kPng = "C:\\KVP\\Work\\logo.png", kCopy = "C:\\KVP\\Work\\logo.bmp";

class FakeDecoder : public PictureDecoder {
public:
    PictureDecoding next;
    int calls = 0;
    int maxSide = 0;
    PictureDecoding Decode(std::string_view, int max) override {
        ++calls;
        maxSide = max;
        return next;
    }
    // The next file decodes to one row of the colours (0xRRGGBB).
    void Decodes(const std::vector<std::uint32_t>& row) {
        next = {PictureDecoding::Result::Decoded, static_cast<std::int64_t>(row.size()), 1, {}};
        next.picture.Width = static_cast<std::int32_t>(row.size());
        next.picture.Height = 1;
        for (const std::uint32_t rgb : row)
            for (const int shift : {0, 8, 16})
                next.picture.Pixels.push_back(static_cast<std::uint8_t>(rgb >> shift));
    }
};

class BitmapCopyTest : public EditorTest {
protected:
    TempDrive drive;
    std::filesystem::path work = drive.root / "KVP" / "Work";
    FakeDecoder decoder;
    ImageDialogLogic dialog{editor.doc.images, editor.host, editor.observers, editor.view};

    void SetUp() override {
        EditorTest::SetUp();
        std::filesystem::create_directories(work);
        editor.doc.images.decoder = &decoder;
        Write("logo.png", "\x89PNG whatever the decoder makes of it");
        dialog.FormShow();
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(work / name, std::ios::binary) << bytes;
    }
    std::string Contents(const std::string& name) const {
        std::ifstream in(work / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Browse(const std::string& file, std::optional<Answer> answer = {}) {
        host.openFiles.push_back(file);
        if (answer) host.answers.push_back(*answer);
        dialog.Browse1Click();
    }
};

TEST_F(BitmapCopyTest, YesWritesTheCopyAndTheDialogStandsForIt) {
    decoder.Decodes({kTeal, kRed});
    Browse(kPng, Answer::Yes);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "logo.png is not a 24-bit bitmap. Make a 24-bit copy "
                                 "\"logo.bmp\" in C:\\KVP\\Work and use it ?");
    EXPECT_EQ(decoder.maxSide, 4096);
    EXPECT_EQ(Contents("logo.bmp"), test::Bitmap24({{kTeal, kRed}}));
    EXPECT_EQ(dialog.ImageName, kCopy);
    ASSERT_NE(dialog.CurrentImage, nullptr);
    EXPECT_EQ(dialog.CurrentImage->FileName, kCopy);
    EXPECT_EQ(dialog.CurrentImage->Data, (Bytes{42, 1, 195, 255}));
    EXPECT_EQ(dialog.Caption(), kCopy);
    EXPECT_TRUE(host.messages.empty());

    cWindow& w = AddWindow(10, 10, 100, 100);
    dialog.entry = {&editor.doc.layout, w.Id, 4};
    dialog.FormClose();
    EXPECT_EQ(w.BMP[4], kCopy); // the layout names the bitmap, as it always has
    EXPECT_TRUE(w.ImageHeld[4]);
}

TEST_F(BitmapCopyTest, NoLeavesTheDialogAsAfterARefusedFile) {
    decoder.Decodes({kTeal});
    Browse(kPng, Answer::No);
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(work / "logo.bmp"));
    EXPECT_EQ(dialog.ImageName, kPng);
    EXPECT_EQ(dialog.CurrentImage, nullptr);
    EXPECT_EQ(dialog.Picture().Width(), 0);
    EXPECT_EQ(dialog.Caption(), "Image  " + kPng);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(editor.doc.images.ImageList.Images().empty());
}

TEST_F(BitmapCopyTest, AnExistingCopyIsNamedAsReplacedAndItsImageRenewed) {
    Write("logo.bmp", test::Bitmap24({{kRed}}));
    cImage* earlier = LoadImage(editor.doc.images, kCopy); // a window shows the earlier copy
    ASSERT_NE(earlier, nullptr);
    decoder.Decodes({kTeal, kTeal});
    Browse(kPng, Answer::Yes);
    EXPECT_EQ(host.questions.at(0),
              "logo.png is not a 24-bit bitmap. Make a 24-bit copy \"logo.bmp\" in C:\\KVP\\Work, "
              "replacing the file of that name there, and use it ?");
    EXPECT_EQ(Contents("logo.bmp"), test::Bitmap24({{kTeal, kTeal}}));
    const cImage* stored = editor.doc.images.ImageList.FindImage(kCopy);
    EXPECT_EQ(dialog.CurrentImage, stored);
    EXPECT_EQ(stored->Data, (Bytes{42, 255}));
    EXPECT_EQ(stored->RefCount, 2u); // the window's, and the dialog's
}

TEST_F(BitmapCopyTest, ABitmapOfAnotherKindKeepsItsFileAndGetsACopyOfItsOwn) {
    // An 8-bit bitmap: the reader leaves it to the decoder.
    const std::string eight = test::Headers(1, 1, 8, {0x20A0A0}, 4) + std::string(4, '\0');
    Write("old.BMP", eight);
    decoder.Decodes({kTeal});
    Browse("C:\\KVP\\Work\\old.BMP", Answer::Yes);
    EXPECT_EQ(host.questions.at(0), "old.BMP is not a 24-bit bitmap. Make a 24-bit copy "
                                    "\"old_24.bmp\" in C:\\KVP\\Work and use it ?");
    EXPECT_EQ(Contents("old.BMP"), eight);
    EXPECT_EQ(Contents("old_24.bmp"), test::Bitmap24({{kTeal}}));
    EXPECT_EQ(dialog.ImageName, "C:\\KVP\\Work\\old_24.bmp");
}

TEST_F(BitmapCopyTest, WhatIsNotDecodedIsRefusedAndNothingIsAsked) {
    decoder.next = {PictureDecoding::Result::TooLarge, 60000, 60000, {}};
    Browse(kPng);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The picture " + kPng +
                                         " is 60000 x 60000 pixels; at most 4096 pixels a side "
                                         "can be converted.");
    EXPECT_EQ(host.messages[0].caption, "FILE TYPE ERROR");
    EXPECT_EQ(dialog.CurrentImage, nullptr);

    // A format no decoder knows either: the reader says why, as it always has.
    decoder.next = {};
    Browse(kPng);
    EXPECT_EQ(host.messages.at(1).text, "The specified file was NOT a bit map.");
    EXPECT_EQ(dialog.ImageName, kPng);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(work / "logo.bmp"));

    // The bitmaps the reader converts never reach the decoder.
    decoder.calls = 0;
    Write("plain.bmp", test::Bitmap24({{kRed}}));
    Browse("C:\\KVP\\Work\\plain.bmp");
    EXPECT_EQ(decoder.calls, 0);
    ASSERT_NE(dialog.CurrentImage, nullptr);
    EXPECT_EQ(dialog.CurrentImage->Data, (Bytes{195, 255}));
}

TEST(BitmapCopyNames, TheCopyLiesBesideThePicture) {
    EXPECT_EQ(BitmapCopyPath("C:\\KVP\\Work\\logo.png"), "C:\\KVP\\Work\\logo.bmp");
    EXPECT_EQ(BitmapCopyPath("C:\\a.b\\logo"), "C:\\a.b\\logo.bmp");
    EXPECT_EQ(BitmapCopyPath("C:\\a\\v1.2.jpeg"), "C:\\a\\v1.2.bmp");
    EXPECT_EQ(BitmapCopyPath("/home/ann/logo.bmp"), "/home/ann/logo_24.bmp");
    EXPECT_EQ(BitmapCopyQuestion("C:\\logo.gif", "C:\\logo.bmp", false),
              "logo.gif is not a 24-bit bitmap. Make a 24-bit copy \"logo.bmp\" in C:\\ and use "
              "it ?");
    EXPECT_EQ(BitmapCopyQuestion("/home/ann/a.png", "/home/ann/a.bmp", false),
              "a.png is not a 24-bit bitmap. Make a 24-bit copy \"a.bmp\" in /home/ann and use "
              "it ?");
}

} // namespace
} // namespace pw
