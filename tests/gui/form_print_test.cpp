#include "gui/form_print.h"
#include "gui/setup_dialog.h"
#include "gui_fixture.h"
#include "support/recording_host.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace pw {
namespace {

class FormPrintTest : public GuiTest {
protected:
    void SetUp() override { Start(); }

    static int PageCount(const QByteArray& pdf) {
        // Page objects, not the page tree ("/Type /Pages").
        static const QRegularExpression page(R"(/Type\s*/Page(?![a-zA-Z]))");
        int count = 0;
        for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++count;
        return count;
    }
};

TEST_F(FormPrintTest, TheSetUpDialogMakesOnePageWithItsWholeImage) {
    TfSetUp& form = *forms.fSetUp;
    const QByteArray pdf = FormPagePdf(form);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PageCount(pdf), 1);
    // The dialog's client area, 568 x 520 pixels, is on the page as one picture, kept
    // lossless so that its small print reads.
    EXPECT_TRUE(pdf.contains("/Width 568"));
    EXPECT_TRUE(pdf.contains("/Height 520"));
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
}

TEST_F(FormPrintTest, WithoutAPrinterThePageCanBeSavedAsPdf) {
    QTemporaryDir dir;
    const QString file = dir.filePath("wiring.pdf");
    RecordingHost asked;
    asked.answers.push_back(Answer::Yes);
    asked.saveFiles.push_back(file.toStdString());
    OfferPdfInstead(*forms.fSetUp, asked, "There is no printer on this computer.");
    ASSERT_EQ(asked.questions.size(), 1u);
    EXPECT_EQ(asked.questions[0],
              "There is no printer on this computer. Save the page as a PDF file instead?");
    ASSERT_EQ(asked.fileRequests.size(), 1u);
    EXPECT_EQ(asked.fileRequests[0].fileName, "SetUp.pdf");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(PageCount(saved.readAll()), 1);
}

TEST_F(FormPrintTest, DecliningThePdfWritesNothing) {
    QTemporaryDir dir;
    RecordingHost asked;
    asked.answers.push_back(Answer::No);
    asked.saveFiles.push_back(dir.filePath("wiring.pdf").toStdString());
    OfferPdfInstead(*forms.fSetUp, asked, "There is no printer on this computer.");
    EXPECT_TRUE(asked.fileRequests.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("wiring.pdf")));
}

} // namespace
} // namespace pw
