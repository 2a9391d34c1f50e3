#pragma once
// The large layout the layout-file and undo benchmarks work on: 500 Position windows with 100
// two-line texts each, every tenth showing one of five shared pictures, on a temporary drive C
// where it is saved as C:\big.dcf.

#include "cli/cli_editor.h"
#include "cli/cli_host.h"
#include "qt/qt_text_engine.h"
#include "shell/startup.h"
#include "windows/glyph_cache.h"
#include "windows/window_list.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace pw::bench {

struct BigLayout {
    std::ostringstream messages;
    pw::CliHost host{messages};
    pw::QtTextEngine fonts;
    pw::GlyphCache text{fonts}; // as the editor draws
    pw::Editor editor{host, text};
    std::string path;

    BigLayout() {
        pw::EnsureGuiApplication(); // loading draws the texts
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_drive";
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        path = "C:\\big.dcf";
        pw::CreateDefaultLayout(editor.doc, editor.view);
        for (int i = 0; i < 500; ++i) {
            pw::cWindow& w = pw::NewWindow(editor.doc.layout);
            w.Type = pw::wtPosition;
            w.X0 = i % 500;
            w.X1 = w.X0 + 100;
            w.Y1 = 30;
            w.FontName = "Arial";
            for (int k = 0; k < pw::kIndexCount; ++k)
                w.Text.Set(k, "Floor " + std::to_string(k) + "\r\nwindow " + std::to_string(i));
            // Every tenth window shows one of five shared pictures.
            if (i % 10 == 0) {
                w.DrawType = pw::dtImage;
                w.BMP[1] = "C:\\pic" + std::to_string(i % 5) + ".bmp";
                w.ImageHeld.set(1);
                editor.doc.images.ImageList.AcquireImage(w.BMP[1]);
            }
        }
    }
};

} // namespace pw::bench
