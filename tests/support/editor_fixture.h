#pragma once
// An editor on a recording host and the fixed-metric text engine, with a default layout.

#include "display/colour.h"
#include "shell/editor.h"
#include "shell/startup.h"
#include "support/add_window.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "support/recording_views.h"
#include "windows/window_list.h"

#include <gtest/gtest.h>

namespace pw {

class EditorTest : public ::testing::Test {
protected:
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
    RecordingViews views{editor};

    void SetUp() override { CreateDefaultLayout(editor.doc, editor.view); }

    // A window appended to the layout with the given rectangle and kind.
    cWindow& AddWindow(int x0, int y0, int x1, int y1, std::uint8_t type = wtMessage) {
        return pw::AddWindow(editor, x0, y0, x1, y1, type);
    }

    ScreenColour At(int x, int y) const { return editor.view.canvas.Pixel(x, y); }
};

} // namespace pw
