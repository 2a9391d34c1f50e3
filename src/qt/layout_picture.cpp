#include "qt/layout_picture.h"

#include "shell/layout_commands.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/redraw.h"

#include <QBuffer>
#include <QImage>

namespace pw {

void SaveLayoutPicture(Editor& editor, const std::string& path) {
    RedrawAll(editor.view, editor.doc);
    const RasterCanvas& canvas = editor.view.canvas;
    // The buffer's pixels are 0xFFRRGGBB, QImage's RGB32: encoded without a copy.
    const QImage image(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                       canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw IoError("Cannot make the picture \"" + path + "\".");
    WriteFileAtomically(path, png.toStdString());
}

void ExportPicture1Click(Editor& editor) {
    // Beside the layout file and named after it, as far as the layout has one.
    const std::string& layout = editor.doc.LayoutFileName;
    FileDialogRequest request = WorkFolderRequest("PNG picture|*.png", {});
    if (!layout.empty()) request.fileName = FileNamePart(ChangeExtension(layout, ".png"));
    if (NameStart(layout) > 0) request.initialDir = layout.substr(0, NameStart(layout));
    auto path = editor.host.ChooseSaveFile(request);
    if (!path) return;
    if (ExtensionPos(*path) == std::string::npos) *path += ".png";
    if (FileExists(*path) && editor.host.Ask("\"" + *path + "\" already exists. Replace it?",
                                             Buttons::YesNo) != Answer::Yes)
        return;
    SaveLayoutPicture(editor, *path);
}

} // namespace pw
