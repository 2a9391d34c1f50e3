#include "gui/image_dialog.h"

#include "display/colour.h"
#include "gui/application.h"
#include "gui/help_window.h"
#include "qt/win1252.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pw {

namespace {

// Rows converted between two showings of the progress line at the most: a large picture
// converts in a fraction of a second, and drawing the line for every ten rows would take
// longer than the conversion.
constexpr int kProgressIntervalMs = 40;

// The picture the logic painted, shown at its size.
class PictureView : public QWidget {
public:
    PictureView(const ImageDialogLogic& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const RasterCanvas& picture = logic_.Picture();
        // The buffer's pixels are 0xFFRRGGBB, QImage's RGB32: shown without a copy.
        const QImage image(reinterpret_cast<const uchar*>(picture.Bits()), picture.Width(),
                           picture.Height(), picture.Width() * 4, QImage::Format_RGB32);
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor::fromRgb(kButtonFace));
        const QRect target = event->rect().intersected(image.rect());
        if (!target.isEmpty()) painter.drawImage(target, image, target);
    }

private:
    const ImageDialogLogic& logic_;
};

} // namespace

TfImage::TfImage(Editor& editor, QWidget* parent)
    : QDialog(parent), AttachedObserver(editor.observers), editor_(editor),
      logic_(editor.doc.images, editor.host, editor.observers, editor.view) {
    DesignForm(this, "fImage", "Image", 150, 53, 696, 480);
    setModal(true);
    setSizeGripEnabled(true);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    Browse1 = AddMenuItem("Browse1", "&Browse", &TfImage::Browse1Click);
    OK1 = AddMenuItem("OK1", "&OK", &TfImage::OK1Click);
    Cancel1 = AddMenuItem("Cancel1", "&Cancel", &TfImage::Cancel1Click);
    Delete1 = AddMenuItem("Delete1", "&Delete", &TfImage::Delete1Click);
    PickTransparentColour1 = AddMenuItem("PickTransparentColour1", "Pick &Transparent Colour",
                                         &TfImage::PickTransparentColour1Click);

    // The strip above the picture, laid out as designed: the box at (48, 8), the information
    // line at (120, 10).
    auto* strip = new QWidget(this);
    strip->setFixedHeight(30);
    cbDither = new QCheckBox("Dither", strip);
    cbDither->setProperty(kHelpContextProperty, kDitherHelpContext);
    cbDither->setObjectName("cbDither");
    cbDither->setGeometry(48, 8, 65, 17);
    // clicked, not toggled: showing how an image was read must not read it again.
    connect(cbDither, &QCheckBox::clicked, this, &TfImage::cbDitherClick);
    info_ = new QLabel(strip);
    info_->setObjectName("lbInfo");
    info_->setGeometry(120, 10, 4000, 17);

    PictureArea = new QScrollArea(this);
    PictureArea->setObjectName("PictureArea");
    PictureArea->setFrameShape(QFrame::NoFrame);
    PictureArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture = new PictureView(logic_, PictureArea);
    Picture->setObjectName("Picture");
    Picture->setFixedSize(0, 0);
    PictureArea->setWidget(Picture);
    // Over the picture's top-left corner, where reading shows how far it got.
    progress_ = new QLabel(PictureArea);
    progress_->setGeometry(10, 0, 300, 17);
    progress_->hide();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setMenuBar(MainMenu1);
    column->addWidget(strip);
    column->addWidget(PictureArea, 1);

    editor_.doc.images.progress = this;
}

TfImage::~TfImage() {
    if (editor_.doc.images.progress == this) editor_.doc.images.progress = &NoProgress();
}

QAction* TfImage::AddMenuItem(const char* name, const char* caption, void (TfImage::*click)()) {
    auto* action = MainMenu1->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, click);
    return action;
}

std::string TfImage::Choose(const std::string& imageName, ImageDialogLogic::Entry entry) {
    SetImageName(imageName, entry);
    exec();
    return logic_.ImageName;
}

void TfImage::SetImageName(const std::string& imageName, ImageDialogLogic::Entry entry) {
    logic_.ImageName = imageName;
    logic_.entry = entry;
}

void TfImage::Browse1Click() {
    RunCommand([this] { logic_.Browse1Click(); });
    Sync();
}

void TfImage::OK1Click() {
    accept();
}

void TfImage::Cancel1Click() {
    logic_.Cancel1Click();
    reject();
}

void TfImage::Delete1Click() {
    logic_.Delete1Click();
    accept();
}

void TfImage::PickTransparentColour1Click() {
    logic_.PickTransparentColour1Click();
}

void TfImage::cbDitherClick() {
    RunCommand([this] { logic_.cbDitherClick(cbDither->isChecked()); });
    Sync();
}

void TfImage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    logic_.FormShow();
    Sync();
}

void TfImage::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    logic_.FormClose();
    Sync();
}

void TfImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = Picture->mapFrom(this, event->position().toPoint());
    RunCommand([&] { logic_.FormMouseUp(at.x(), at.y()); });
    Sync();
}

void TfImage::Sync() {
    ShowPicture();
    progress_->hide();
    progressShown_.invalidate();
}

void TfImage::ShowPicture() {
    cbDither->setChecked(editor_.doc.images.Dither);
    const RasterCanvas& picture = logic_.Picture();
    Picture->setFixedSize(picture.Width(), picture.Height());
    Picture->update();
}

void TfImage::ImageInfoChanged(const std::string& infoLine, const std::string& caption) {
    info_->setText(FromWin1252(infoLine));
    setWindowTitle(FromWin1252(caption));
    // A command may go on to ask the user something (a refused file): what it has done so
    // far is on screen meanwhile.
    ShowPicture();
    // Shown at once, as the reader goes on without letting events in.
    if (isVisible()) info_->repaint();
}

void TfImage::Begin(const std::string&) {
    if (isVisible()) return;
    SetImageName({});
    shownForReading_ = true;
    show();
}

void TfImage::End() {
    if (!shownForReading_) return;
    shownForReading_ = false;
    hide();
}

void TfImage::Step(long, long, const std::string& text) {
    progress_->setText(FromWin1252(text));
    if (progressShown_.isValid() && progressShown_.elapsed() < kProgressIntervalMs) return;
    progressShown_.start();
    progress_->show();
    progress_->raise();
    // Long conversions show their progress as they go, without letting input in.
    progress_->repaint();
}

} // namespace pw
