#include "gui/colour_selection_dialog.h"

#include "dialogs/palette_grid.h"
#include "gui/application.h"
#include "display/colour.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace pw {

namespace {

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int left,
                       int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    PlaceButton(button, left, top);
    return button;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QColor ToQColor(std::int32_t code) {
    return QColor::fromRgb(ColourOf(code));
}

} // namespace

TfColourSelection::TfColourSelection(QWidget* parent) : QDialog(parent) {
    DesignForm(this, "fColourSelection", "Colour Selection", 140, 75, 552, 425);
    setModal(true);
    setFont(DesignFont());
    // The code under the pointer is shown while it merely passes over the palette.
    setMouseTracking(true);

    btTrans = AddButton(this, "btTrans", "Transparent", 16, 304);
    connect(btTrans, &QPushButton::clicked, this, [this] { SetTargetColour(kTransparent); });
    BuildTargets();
    lbColour = AddLabel(this, "lbColour", "", 32, 360);
    lbColour->setMinimumWidth(40);
    btOK = AddButton(this, "btOK", "OK", 456, 344);
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfColourSelection::BuildTargets() {
    struct Target {
        QLabel*& caption;
        QWidget*& swatch;
        QLabel*& code;
        const char* captionText; // also the caption's name
        const char* swatchName;
        const char* codeName;
        int captionLeft, swatchLeft, codeLeft;
    };
    const std::array<Target, kColourTargetCount> targets = {
        Target{Foreground, shFG, lbFG, "Foreground", "shFG", "lbFG", 120, 104, 144},
        Target{Background0, shBG0, lbBG0, "Background0", "shBG0", "lbBG0", 224, 216, 256},
        Target{Background, shBG, lbBG, "Background", "shBG", "lbBG", 336, 328, 368}};
    QFont captionFont = font();
    captionFont.setPixelSize(16);
    for (std::size_t t = 0; t < targets.size(); ++t) {
        const Target& target = targets[t];
        target.caption =
            AddLabel(this, target.captionText, target.captionText, target.captionLeft, 304);
        target.caption->setFont(captionFont);
        target.caption->adjustSize();
        target.swatch = new QWidget(this);
        target.swatch->setObjectName(target.swatchName);
        target.swatch->setAccessibleName(QString("%1 colour").arg(target.captionText));
        target.swatch->setGeometry(target.swatchLeft, 336, 113, 33);
        target.swatch->setAutoFillBackground(true);
        target.code = AddLabel(this, target.codeName, "", target.codeLeft, 376);
        target.code->setMinimumWidth(40);
        // A release on the caption or on the swatch chooses the target.
        target.caption->installEventFilter(this);
        target.swatch->installEventFilter(this);
        captions_[t] = target.caption;
        swatches_[t] = target.swatch;
        codeLabels_[t] = target.code;
    }
}

WindowColours TfColourSelection::Choose(const WindowColours& codes) {
    SetCodes(codes);
    exec();
    return Codes();
}

void TfColourSelection::SetCodes(const WindowColours& codes) {
    choice_.codes = codes;
}

void TfColourSelection::SelectTarget(int target) {
    choice_.SelectTarget(target);
    for (int t = 0; t < kColourTargetCount; ++t) {
        QLabel* caption = captions_[static_cast<std::size_t>(t)];
        QPalette colours = caption->palette();
        colours.setColor(QPalette::WindowText, t == choice_.Target() ? Qt::red : Qt::black);
        caption->setPalette(colours);
    }
}

void TfColourSelection::SetTargetColour(std::int32_t code) {
    choice_.SetTargetColour(code);
    ShowTargetColour(choice_.Target());
}

void TfColourSelection::ShowTargetColour(int target) {
    const std::int32_t code = choice_.Code(target);
    QWidget* swatch = swatches_[static_cast<std::size_t>(target)];
    QPalette colours = swatch->palette();
    colours.setColor(QPalette::Window, ToQColor(code));
    swatch->setPalette(colours);
    codeLabels_[static_cast<std::size_t>(target)]->setText(QString::number(code));
}

void TfColourSelection::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfColourSelection::FormShow() {
    for (int t = 0; t < kColourTargetCount; ++t) ShowTargetColour(t);
    SelectTarget(choice_.Target());
}

void TfColourSelection::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    DrawPalette();
}

void TfColourSelection::DrawPalette() {
    QPainter painter(this);
    // In code order: each cell covers the border it shares with the cell before it.
    for (int code = 0; code < kPaletteColumns * kPaletteRows; ++code) {
        const Rect cell = PaletteCell(code);
        painter.fillRect(QRect(QPoint(cell.left, cell.top), QPoint(cell.right, cell.bottom)),
                         ToQColor(code));
    }
}

void TfColourSelection::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    lbColour->setText(QString::number(PaletteCodeAt(p.x(), p.y())));
    QDialog::mouseMoveEvent(event);
}

void TfColourSelection::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int code = PaletteCodeAt(p.x(), p.y());
    // The target stays, so that several clicks in a row try colours for it.
    if (code != kTransparent) SetTargetColour(code);
    QDialog::mouseReleaseEvent(event);
}

bool TfColourSelection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int t = 0; t < kColourTargetCount; ++t) {
            const auto i = static_cast<std::size_t>(t);
            if (watched == captions_[i] || watched == swatches_[i]) {
                SelectTarget(t);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pw
