// Panelwright: the editor for the screens of lift information displays.

#include "gui/application.h"
#include "gui/forms.h"
#include "gui/gui_host.h"
#include "gui/main_window.h"
#include "qt/calendar_names.h"
#include "qt/qt_picture_decoder.h"
#include "qt/qt_text_engine.h"
#include "shell/editor.h"
#include "windows/glyph_cache.h"

int main(int argc, char** argv) {
    pw::Application app(argc, argv);
    // The canvas draws every text from glyphs rendered once by Qt's fonts.
    pw::QtTextEngine fonts;
    pw::GlyphCache text(fonts);
    pw::GuiHost host;
    pw::Editor editor(host, text);
    pw::QtPictureDecoder pictures;
    editor.doc.images.decoder = &pictures;
    editor.run.calendarNames = pw::LocaleCalendarNames();
    pw::Forms forms;
    const auto mainWindow = pw::CreateForms(editor, host, app.arguments().mid(1), forms);
    mainWindow->show();
    return app.exec();
}
