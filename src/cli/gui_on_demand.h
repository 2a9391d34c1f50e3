#pragma once
// The Qt font engine and image readers, with the Qt GUI application they need made at their
// first use. A command that never measures a text nor decodes a picture (save, verify,
// restore) then starts without loading the font system, and holds none of its memory.

#include "qt/qt_picture_decoder.h"
#include "qt/qt_text_engine.h"

namespace pw {

// Makes sure a Qt GUI application exists (offscreen unless a platform is chosen), which the
// font engine needs.
void EnsureGuiApplication();

class OnDemandTextEngine final : public TextEngine {
public:
    TextExtent Measure(const FontDesc& font, const std::string& text) override {
        EnsureGuiApplication();
        return fonts_.Measure(font, text);
    }
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override {
        EnsureGuiApplication();
        fonts_.Draw(canvas, font, x, y, text, colour, background);
    }
    std::string FaceSubstitute(const std::string& face) override {
        EnsureGuiApplication();
        return fonts_.FaceSubstitute(face);
    }
    void DrawEachAlone(const FontDesc& font, std::string_view characters,
                       const CellDrawn& drawn) override {
        EnsureGuiApplication();
        fonts_.DrawEachAlone(font, characters, drawn);
    }
    // The application is made on this thread, before another thread draws text.
    std::unique_ptr<TextEngine> NewForOtherThread() override {
        EnsureGuiApplication();
        return fonts_.NewForOtherThread();
    }

private:
    QtTextEngine fonts_;
};

class OnDemandPictureDecoder final : public PictureDecoder {
public:
    PictureDecoding Decode(std::string_view bytes, int maxSide) override {
        EnsureGuiApplication();
        return pictures_.Decode(bytes, maxSide);
    }

private:
    QtPictureDecoder pictures_;
};

} // namespace pw
