// Writing a layout and reading it back keeps every stored field, over many random layouts.

#include "config/dcf_file.h"
#include "support/editor_fixture.h"

#include <random>

namespace pw {
namespace {

std::string RandomText(std::mt19937& rng, bool lines) {
    static const std::string chars = "abcXYZ 0123456789=[]-,.\xE9\x80\xFF\t";
    std::string s;
    const int n = std::uniform_int_distribution<int>(0, 30)(rng);
    for (int i = 0; i < n; ++i) {
        if (lines && rng() % 10 == 0) s += "\r\n";
        else s += chars[rng() % chars.size()];
    }
    return s;
}

void Randomise(cWindow& w, std::mt19937& rng, ImageStore& images) {
    auto num = [&](int hi) { return std::uniform_int_distribution<int>(0, hi)(rng); };
    w.Number = static_cast<std::uint32_t>(num(1 << 30));
    w.Tag = static_cast<std::uint32_t>(num(1000));
    w.Type = static_cast<std::uint8_t>(num(7));
    w.Parameter = num(1 << 30);
    w.Texture = num(20);
    w.DrawType = static_cast<std::uint8_t>(num(5));
    w.Format = num(63);
    w.FG = num(256);
    w.BG0 = num(256);
    w.BG = num(256);
    w.CurIndex = num(99);
    w.FontSize = num(200);
    w.X0 = num(300);
    w.Y0 = num(300);
    w.X1 = w.X0 + num(300);
    w.Y1 = w.Y0 + num(300);
    if (num(1)) {
        w.FontName = RandomText(rng, false);
        if (w.FontName.empty()) w.FontName = "Arial";
        w.FntFile = RandomText(rng, false);
        w.FontStyle = static_cast<std::uint8_t>(num(15));
    }
    for (int i = 0; i < kIndexCount; ++i)
        if (num(3) == 0 || i == 99) w.Text.Set(i, RandomText(rng, true));
    if (w.DrawType == dtImage) {
        for (int i : {0, num(99), 99}) {
            w.BMP[i] = "C:\\img\\" + std::to_string(num(5)) + ".bmp";
            cImage* image = images.FindImage(w.BMP[i]);
            if (!image) image = images.AcquireImage(w.BMP[i]);
            image->Transparent = num(256);
            image->Dithered = num(1);
        }
    }
}

void ExpectSameWindow(const cWindow& a, const cWindow& b) {
    EXPECT_EQ(a.Number, b.Number);
    EXPECT_EQ(a.Tag, b.Tag);
    EXPECT_EQ(a.Type, b.Type);
    EXPECT_EQ(a.Parameter, b.Parameter);
    EXPECT_EQ(a.Texture, b.Texture);
    EXPECT_EQ(a.DrawType, b.DrawType);
    EXPECT_EQ(a.Format, b.Format);
    EXPECT_EQ(a.FG, b.FG);
    EXPECT_EQ(a.BG0, b.BG0);
    EXPECT_EQ(a.BG, b.BG);
    EXPECT_EQ(a.CurIndex, b.CurIndex);
    EXPECT_EQ(a.FontSize, b.FontSize);
    EXPECT_EQ((Rect{a.X0, a.Y0, a.X1, a.Y1}), (Rect{b.X0, b.Y0, b.X1, b.Y1}));
    EXPECT_EQ(a.FontName, b.FontName);
    EXPECT_EQ(a.FntFile, b.FntFile);
    EXPECT_EQ(a.FontStyle, b.FontStyle);
    EXPECT_EQ(a.Text, b.Text);
    EXPECT_EQ(a.BMP, b.BMP);
    EXPECT_EQ(b.DragMode, dmIdle);
}

TEST(DcfRoundTrip, EveryStoredFieldSurvives) {
    std::mt19937 rng(20261208);
    for (int layout = 0; layout < 60; ++layout) {
        RecordingHost host;
        FakeTextEngine text;
        Editor a(host, text);
        CreateDefaultLayout(a.doc, a.view);
        cInputSpec& job = a.doc.layout.InputSpec;
        job.JobName = "Job " + std::to_string(layout);
        job.SubDirectory = "sub";
        job.NetIDs = "1,2";
        job.NLifts = 7;
        job.ID0 = 4;
        job.SlaveID0 = 2;
        job.PosnOffset = "3 4";
        job.DestTime = 2500;
        job.ScreenSave = 60;
        job.InputMode = static_cast<std::uint8_t>(layout % 6);
        job.Flags = 3;
        job.Invert = 0x7FFF;
        const int windows = std::uniform_int_distribution<int>(0, 12)(rng);
        for (int i = 0; i < windows; ++i) Randomise(NewWindow(a.doc.layout), rng, a.doc.images.ImageList);
        const std::string file = WriteLayoutText(a.doc.layout);

        Editor b(host, text);
        b.doc.images.ImageList = a.doc.images.ImageList; // the images the layout names are in the store
        DcfReader in(file);
        ReadGroups(b.doc.layout, in, host);
        ASSERT_EQ(b.doc.layout.WindowList.size(), a.doc.layout.WindowList.size());
        for (std::size_t i = 0; i < a.doc.layout.WindowList.size(); ++i)
            ExpectSameWindow(*a.doc.layout.WindowList[i], *b.doc.layout.WindowList[i]);
        const cInputSpec& ja = a.doc.layout.InputSpec;
        const cInputSpec& jb = b.doc.layout.InputSpec;
        EXPECT_EQ(std::tie(ja.JobName, ja.SubDirectory, ja.NetIDs, ja.NLifts, ja.ID0, ja.SlaveID0,
                           ja.PosnOffset, ja.DestTime, ja.ScreenSave, ja.InputMode, ja.Flags,
                           ja.Invert),
                  std::tie(jb.JobName, jb.SubDirectory, jb.NetIDs, jb.NLifts, jb.ID0, jb.SlaveID0,
                           jb.PosnOffset, jb.DestTime, jb.ScreenSave, jb.InputMode, jb.Flags,
                           jb.Invert));
        EXPECT_EQ(WriteLayoutText(b.doc.layout), file) << "layout " << layout;
        if (HasFailure()) return;
    }
}

} // namespace
} // namespace pw
