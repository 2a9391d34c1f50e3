#include "shell/layout_commands.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "qt/layout_picture.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <QImage>

namespace pw {
namespace {

class ExportPictureTest : public EditorTest {
protected:
    TempDrive drive;
    QImage Picture(const std::string& path) {
        return QImage(QString::fromStdString(MapPath(path).string()));
    }
};

TEST_F(ExportPictureTest, TheCanvasIsSavedAsThePngTheUserNames) {
    AddWindow(10, 10, 99, 49).BG0 = 195;
    editor.view.ViewMode = vmStatic;
    editor.doc.LayoutFileName = "C:\\KVP\\Work\\lobby.dcf";
    host.saveFiles = {std::string("C:\\KVP\\Work\\lobby")};
    ExportPicture1Click(editor);
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].filter, "PNG picture|*.png");
    EXPECT_EQ(host.fileRequests[0].fileName, "lobby.png");
    const QImage picture = Picture("C:\\KVP\\Work\\lobby.png");
    ASSERT_EQ(picture.size(), QSize(640, 480));
    EXPECT_EQ(picture.pixelColor(300, 300), QColor(32, 160, 160)); // code 42
    // Static view: no outline, the window's background to its edge.
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(240, 48, 48)); // code 195
    EXPECT_EQ(picture.pixelColor(100, 50), QColor(32, 160, 160));
}

TEST_F(ExportPictureTest, AnExistingPictureIsReplacedOnlyWhenTheUserSaysSo) {
    WriteFileAtomically("C:\\shot.png", "old");
    host.saveFiles = {std::string("C:\\shot.png"), std::string("C:\\shot.png")};
    host.answers = {Answer::No, Answer::Yes};
    ExportPicture1Click(editor);
    EXPECT_EQ(ReadFileBytes("C:\\shot.png", 100), "old");
    ExportPicture1Click(editor);
    EXPECT_EQ(host.questions.back(), "\"C:\\shot.png\" already exists. Replace it?");
    EXPECT_EQ(Picture("C:\\shot.png").size(), QSize(640, 480));
}

} // namespace
} // namespace pw
