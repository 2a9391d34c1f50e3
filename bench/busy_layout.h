#pragma once
// The busy 800 x 600 layout the drawing benchmarks work on: a full-screen mat under thirty
// text windows in several fonts, arrows, two pictures and three bevelled rectangles.

#include "shell/window_commands.h"
#include "cli/cli_editor.h"
#include "cli/cli_host.h"
#include "images/image.h"
#include "qt/qt_text_engine.h"
#include "shell/editor.h"
#include "windows/glyph_cache.h"
#include "windows/window_list.h"

#include <array>
#include <sstream>
#include <string>

namespace pw::bench {

constexpr int kW = 800, kH = 600;

inline pw::cWindow& Add(pw::Editor& editor, int x0, int y0, int x1, int y1, std::uint8_t type,
                        std::uint8_t drawType) {
    pw::cWindow& w = pw::NewWindow(editor.doc.layout);
    w.Type = type;
    w.DrawType = drawType;
    w.DragMode = pw::dmIdle;
    w.X0 = x0;
    w.Y0 = y0;
    w.X1 = x1;
    w.Y1 = y1;
    return w;
}

// A 200 x 150 colour-code picture of twelve bands per row, shifting from row to row.
inline void AddPicture(pw::Editor& editor, const std::string& name) {
    pw::cImage& image = *editor.doc.images.ImageList.AcquireImage(name);
    image.Width = 200;
    image.Height = 150;
    image.Bits = 8;
    image.Transparent = 256;
    for (int row = 0; row < image.Height; ++row) {
        for (int band = 0; band < 12; ++band) {
            image.Data.push_back(static_cast<std::uint8_t>((row / 10 * 17 + band * 23) % 255));
            if (band < 11) image.Data.push_back(static_cast<std::uint8_t>(16 + (row + band) % 3));
        }
        image.Data.push_back(pw::kRowEnd);
    }
}

struct BusyLayout {
    std::ostringstream messages;
    pw::CliHost host{messages};
    pw::QtTextEngine fonts;
    pw::GlyphCache text{fonts}; // as the editor draws
    pw::Editor editor{host, text};

    explicit BusyLayout(std::uint8_t view) {
        EnsureGuiApplication(); // fonts need the application object
        pw::cWindow& background = Add(editor, 0, 0, 639, 479, pw::wtBackground, pw::dtText);
        background.Tag = 0;
        background.BG0 = background.BG = 42;
        pw::SetDisplaySize(editor.doc, editor.view, kW, kH);
        editor.doc.layout.BackgroundColour = 42;
        editor.view.ViewMode = view;

        pw::cWindow& mat = Add(editor, 0, 0, kW - 1, kH - 1, pw::wtBackground, pw::dtMat);
        mat.Parameter = 16;
        mat.BG0 = 0;
        mat.BG = 46;
        mat.Texture = 3;

        for (int i = 0; i < 30; ++i) {
            const int x = 10 + (i % 3) * 260, y = 10 + (i / 3) * 58;
            pw::cWindow& t = Add(editor, x, y, x + 249, y + 49, pw::wtMessage, pw::dtText);
            t.FontName = i % 2 ? "Arial" : "Liberation Serif";
            t.FontSize = 14 + i % 4 * 4;
            t.FontStyle = static_cast<std::uint8_t>(i % 3 == 0 ? pw::fsBold : 0);
            t.Format = (i % 3 == 1   ? pw::fmCentre
                        : i % 3 == 2 ? pw::fmRight
                                     : 0) |
                       (i % 2 ? pw::fmVCentre : 0);
            t.FG = 255;
            t.BG0 = i % 4 == 0 ? pw::kTransparent : 195;
            t.Text.Set(0, i % 5 == 0 ? "Floor " + std::to_string(i) + "\r\nOut of service"
                                     : "Level " + std::to_string(i) + " - Lifts 1 to 4");
        }
        for (int i = 0; i < 4; ++i) {
            pw::cWindow& a =
                Add(editor, 20 + i * 60, 530, 69 + i * 60, 589, pw::wtDirection, pw::dtArrows);
            a.CurIndex = 1 + i % 2;
            a.FG = 48;
            a.BG0 = a.BG = 3;
        }
        for (int i = 0; i < 2; ++i) {
            const std::string name = "picture" + std::to_string(i) + ".bmp";
            AddPicture(editor, name);
            pw::cWindow& p =
                Add(editor, 280 + i * 260, 420, 479 + i * 260, 569, pw::wtMessage, pw::dtImage);
            p.BMP[0] = name;
        }
        for (int i = 0; i < 3; ++i) {
            pw::cWindow& r =
                Add(editor, 270 + i * 170, 575, 429 + i * 170, 598, pw::wtMessage, pw::dtRectangle);
            r.FontSize = 4;
            r.Parameter = std::array{1, 3, 4}[i];
            r.BG0 = 254;
            r.BG = 84;
            r.FG = 169;
        }
        editor.doc.layout.CurWindow = nullptr;
    }
};

} // namespace pw::bench
