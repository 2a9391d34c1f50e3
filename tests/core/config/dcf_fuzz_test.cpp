// Damaged layout files: whatever the bytes, reading ends with the layout read so far or with
// a reported error, never with a crash, a hang or unbounded memory.

#include "config/dcf_file.h"
#include "platform/errors.h"
#include "shell/redraw.h"
#include "support/editor_fixture.h"

#include <random>

namespace pw {
namespace {

std::string SampleLayout() {
    RecordingHost host;
    FakeTextEngine text;
    Editor e(host, text);
    CreateDefaultLayout(e.doc, e.view);
    for (int i = 0; i < 4; ++i) {
        cWindow& w = NewWindow(e.doc.layout);
        w.Type = static_cast<std::uint8_t>(i + 1);
        w.X1 = 100;
        w.Y1 = 50;
        w.FontName = "Arial";
        w.Text.Set(0, "zero");
        w.Text.Set(7, "seven\r\nlines");
        w.DrawType = i == 2 ? dtImage : dtText;
        w.BMP[1] = "C:\\x.bmp";
    }
    return WriteLayoutText(e.doc.layout);
}

void ReadHostile(const std::string& bytes) {
    RecordingHost host;
    FakeTextEngine text;
    Editor editor(host, text);
    DcfReader in(bytes);
    try {
        ReadGroups(editor.doc.layout, in, host);
    } catch (const Error&) {
        // A reported error is a fine outcome.
    }
    EXPECT_FALSE(editor.view.Loading);
    // Whatever was read can be drawn in every view without touching memory it does not own.
    for (std::uint8_t view : {vmDesign, vmStatic, vmDynamic}) {
        editor.view.ViewMode = view;
        RedrawAll(editor.view, editor.doc);
    }
    for (const auto& w : editor.doc.layout.WindowList) {
        for (const std::string_view t : w->Text) ASSERT_LE(t.size(), kMaxFileText);
        ASSERT_LE(w->FontName.size(), kMaxFileText);
    }
    if (const cWindow* bg = Background(editor.doc.layout)) {
        EXPECT_LE(editor.view.canvas.Width(), 4096);
        EXPECT_LE(editor.view.canvas.Height(), 4096);
        (void)bg;
    }
}

TEST(DcfFuzz, MutatedLayoutsAreReadSafely) {
    const std::string sample = SampleLayout();
    std::mt19937 rng(7);
    const std::string pieces[] = {"[ WINDOW\r\n", "WINDOW END ]", "[ INPUT\r\n", "|", "[ X",
                                  "  Text = ", "  BMP = 1, 2, 3\r\n", "99999999999", "=", "\r",
                                  "  Position = 0, 0, 4095, 9999\r\n", "]"};
    for (int round = 0; round < 3000; ++round) {
        std::string s = sample;
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const std::size_t at = rng() % s.size();
            switch (rng() % 5) {
            case 0: s[at] = static_cast<char>(rng()); break;
            case 1: s.erase(at, rng() % 40); break;
            case 2: s.insert(at, pieces[rng() % std::size(pieces)]); break;
            case 3: s.resize(at); break;
            default: s.insert(at, s.substr(rng() % s.size(), rng() % 200)); break;
            }
        }
        ReadHostile(s);
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(DcfFuzz, RandomBytesAndOneHugeLine) {
    std::mt19937 rng(11);
    for (int round = 0; round < 200; ++round) {
        std::string s(rng() % 5000, '\0');
        for (char& c : s) c = static_cast<char>(rng());
        ReadHostile(s);
    }
    ReadHostile("[ WINDOW\r\n  FontName = " + std::string(3'000'000, 'A') + "\r\n\r\n");
    ReadHostile("  Text = 1\r\n" + std::string(3'000'000, '|'));
    ReadHostile("[ WINDOW\r\n  Text = 3\r\n|" + std::string(2'000'000, 'x'));
    ReadHostile("[ WINDOW\r\n  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n[ WINDOW\r\n"
                "  Format = 7, 2\r\n  CurIndex = 150\r\n  Position = 2000000000, 5, 2147483647, "
                "2147483647\r\n  FontSize = 2000000000\r\n  Text = 99\r\n|x|\r\nWINDOW END ]"
                "\r\n[ WINDOW\r\n  Format = 0, 4\r\n  Tag = 0, 255\r\n  Texture = 2147483647\r\n"
                "  Position = 0, 0, 2147483647, 2147483647\r\nWINDOW END ]\r\n[ WINDOW\r\n"
                "  Format = 0, 3\r\n  FontSize = 2147483647\r\n  Position = 1, 1, 600, 400\r\n"
                "WINDOW END ]\r\n\r\n");
}

} // namespace
} // namespace pw
