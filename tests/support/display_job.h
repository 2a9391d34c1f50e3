#pragma once
// A job ready to generate: a named layout with one text window in a fake face and one
// bitmap, the display program in place, on a drive of its own.

#include "support/editor_fixture.h"
#include "support/fake_hasher.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace pw {

class DisplayJobTest : public EditorTest {
protected:
    explicit DisplayJobTest(int fontSize = 20) : fontSize_(fontSize) {}

    TempDrive drive;
    FakeHasher hasher;
    cWindow* text = nullptr;

    void SetUp() override {
        EditorTest::SetUp();
        editor.doc.LayoutFileName = "C:\\KVP\\Work\\job.dcf";
        text = &AddWindow(0, 0, 99, 29);
        text->FontName = "Fake";
        text->FontSize = fontSize_;
        text->Text.Set(0, "Lift");
        editor.doc.images.ImageList.AcquireImage("C:\\Pics\\logo.bmp");
        Put("KVP/Display.axf", "program");
        Put("KVP/Work/job.dcf");
    }

    // A file of the drive, with its folders.
    void Put(const std::string& path, const std::string& bytes = "old") {
        std::filesystem::create_directories((drive.root / path).parent_path());
        std::ofstream(drive.root / path, std::ios::binary) << bytes;
    }

private:
    int fontSize_;
};

} // namespace pw
