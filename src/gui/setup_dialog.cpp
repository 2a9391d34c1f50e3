#include "gui/setup_dialog.h"

#include "config/job_commands.h"
#include "config/net_addresses.h"
#include "gui/application.h"
#include "gui/form_print.h"
#include "gui/up_down_edit.h"
#include "qt/win1252.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <algorithm>

namespace pw {

namespace {

struct DisplaySize {
    int width; // the button's tag
    int height;
};

// The display sizes by the width that tags their buttons.
constexpr std::array<DisplaySize, 4> kDisplaySizes = {
    DisplaySize{640, 480}, {480, 640}, {800, 600}, {600, 800}};

QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, int left, int top, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 21);
    return edit;
}

UpDownEdit* AddUpDownEdit(QWidget* parent, const char* name, int minimum, int maximum,
                          const char* text, int left, int top) {
    auto* edit = new UpDownEdit(minimum, maximum, parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, 72, 21);
    edit->setText(text);
    return edit;
}

template <typename Button>
Button* AddButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  int width, int height) {
    auto* button = new Button(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, width, height);
    return button;
}

// A radio button or check box as wide as its caption: a click lands on the button only
// over its mark and its caption, so a wider box would have a dead area beside the text.
template <typename Button>
Button* AddChoice(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* button = AddButton<Button>(parent, name, caption, left, top, 0, 17);
    button->resize(button->sizeHint().width(), 17);
    return button;
}

} // namespace

TfSetUp::TfSetUp(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), sizeButtons_(new QButtonGroup(this)) {
    DesignForm(this, "fSetUp", "Set Up", 120, 40, 568, 520);
    setModal(true);
    // The terminal boxes are 41 pixels wide: the design face keeps their captions inside.
    setFont(DesignFont());
    // Made in the order the Tab key visits them.
    BuildJobControls();
    BuildModeControls();
    BuildSizeControls();
    BuildTerminalPanel();
    BuildButtons();
}

void TfSetUp::BuildJobControls() {
    AddLabel(this, "Job Name", 8, 11);
    ebJobName = AddEdit(this, "ebJobName", 72, 8, 272);

    auto* job = new QGroupBox("Job Specification", this);
    job->setGeometry(8, 36, 336, 108);
    AddLabel(job, "Sub Directory or Bank (usually blank)", 10, 20);
    ebSubDirectory = AddEdit(job, "ebSubDirectory", 10, 36, 316);
    AddLabel(job, "Net IDs to use this .dcf ( blank for all)", 10, 62);
    ebIDs = AddEdit(job, "ebIDs", 10, 78, 316);

    AddLabel(this, "Number of lifts", 8, 155);
    ebNLifts = AddUpDownEdit(this, "ebNLifts", 0, 16, "3", 272, 152);
    AddLabel(this, "Net address (ID) of first display", 8, 181);
    ebLiftID1 = AddUpDownEdit(this, "ebLiftID1", 1, 30, "1", 272, 178);

    auto* lift = new QGroupBox("Lift Spec", this);
    lift->setGeometry(8, 206, 336, 128);
    AddLabel(lift, "Net address of first slave ( or 0 for none )", 10, 23);
    ebSlave = AddUpDownEdit(lift, "ebSlave", 0, 100, "0", 256, 20);
    AddLabel(lift, "Position Offsets from input code", 10, 49);
    ebPosnOffset = AddEdit(lift, "ebPosnOffset", 256, 46, 72);
    ebPosnOffset->setText("0");
    AddLabel(lift, "mSec to establish destination", 10, 75);
    ebDestTime = AddEdit(lift, "ebDestTime", 256, 72, 72);
    ebDestTime->setText("2000");
    AddLabel(lift, "Seconds before Screen Save ( or 0 )", 10, 101);
    ebSecScreenSave = AddEdit(lift, "ebSecScreenSave", 256, 98, 72);
    ebSecScreenSave->setText("60");

    cb14TestPat = AddChoice<QCheckBox>(this, "cb14TestPat", "14 does Test Pattern", 8, 344);
    connect(cb14TestPat, &QCheckBox::toggled, this, &TfSetUp::cb14TestPatClick);
}

void TfSetUp::BuildModeControls() {
    auto* mode = new QGroupBox("Input Mode", this);
    mode->setGeometry(360, 8, 185, 164);
    struct Mode {
        QRadioButton*& button;
        const char* name;
        const char* caption;
        std::uint8_t code;
    };
    int top = 20;
    for (const Mode& m :
         {Mode{rbSimulate, "rbSimulate", "Simulate", imSimulate},
          Mode{rbGray, "rbGray", "Gray Code Position", imGray},
          Mode{rbBinary, "rbBinary", "Binary Position Code", imBinary},
          Mode{rbParallel, "rbParallel", "Parallel Position", imParallel},
          Mode{rbCountPlates, "rbCountPlates", "Count Floor Plates", imCountPlates}}) {
        m.button = AddChoice<QRadioButton>(mode, m.name, m.caption, 12, top);
        // clicked, not toggled: a click on the button that is already selected must still
        // set its mode, for a record whose mode no button stands for.
        connect(m.button, &QRadioButton::clicked, this,
                [this, code = m.code] { InputModeClick(code); });
        top += 21;
    }
    cbZeroPosn = AddChoice<QCheckBox>(mode, "cbZeroPosn", "Zero Posn Code", 12, top + 12);
    connect(cbZeroPosn, &QCheckBox::toggled, this, &TfSetUp::cbZeroPosnClick);
}

void TfSetUp::BuildSizeControls() {
    AddLabel(this, "10 inch", 8, 374);
    AddLabel(this, "12 inch", 120, 374);
    struct Size {
        QRadioButton*& button;
        const char* name;
        const char* caption;
        int tag;
        int left, top;
    };
    for (const Size& s : {Size{rb640, "rb640", "640 x 480", 640, 8, 392},
                          Size{rb480, "rb480", "480 x 640", 480, 8, 412},
                          Size{rb800, "rb800", "800 x 600", 800, 120, 392},
                          Size{rb600, "rb600", "600 x 800", 600, 120, 412}}) {
        s.button = AddChoice<QRadioButton>(this, s.name, s.caption, s.left, s.top);
        sizeButtons_->addButton(s.button, s.tag);
        // As with the input modes, a click on the selected button still means that size.
        connect(s.button, &QRadioButton::clicked, this, [this, tag = s.tag] { rb640Click(tag); });
    }
    rb640->setChecked(true);
}

void TfSetUp::BuildTerminalPanel() {
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(360, 192, 185, 281);
    Bevel2 = new QFrame(this);
    Bevel2->setObjectName("Bevel2");
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel2->setGeometry(361, 193, 183, 279);
    // The frame lies beneath everything on the panel, so clicks reach the boxes.
    Bevel2->lower();
    Bevel1->lower();

    // The heading sits on the frame's top edge and hides it behind its text.
    QLabel* heading = AddLabel(this, "INPUT TERMINALS", 368, 184);
    heading->setAutoFillBackground(true);
    AddLabel(this, "Inverted", 392, 200);
    stFunction = AddLabel(this, "Function", 456, 200);
    stFunction->setObjectName("stFunction");

    for (std::size_t bit = 0; bit < kTerminalCount; ++bit) {
        const QString name = QStringLiteral("cb%1").arg(kTerminalNames[bit]);
        auto* box = AddButton<QCheckBox>(this, name.toLatin1().constData(), kTerminalNames[bit],
                                         392, 224 + 16 * static_cast<int>(bit), 41, 16);
        // A caption wider than the designed 41 pixels ("DNA" in some faces) gets the room it
        // needs up to the label column; the first box, which the column is measured from,
        // keeps its designed width.
        if (bit > 0) box->resize(std::clamp(box->sizeHint().width(), 41, 60), 16);
        const int tag = static_cast<int>(bit) + 1;
        connect(box, &QCheckBox::toggled, this, [this, tag] { cbPAClick(tag); });
        terminalBoxes[bit] = box;
    }
}

void TfSetUp::BuildButtons() {
    btKeep = AddButton<QPushButton>(this, "btKeep", "OK", 8, 468, 112, 40);
    QFont large = btKeep->font();
    large.setPointSize(14);
    large.setBold(true);
    btKeep->setFont(large);
    btKeep->setDefault(true);
    btClose = AddButton<QPushButton>(this, "btClose", "Cancel", 136, 476, 88, 25);
    btPrint = AddButton<QPushButton>(this, "btPrint", "Print", 240, 476, 88, 25);
    // OK may stop at a box that holds no number, Print at a file it cannot write.
    connect(btKeep, &QPushButton::clicked, this, [this] { RunCommand([this] { btKeepClick(); }); });
    connect(btClose, &QPushButton::clicked, this, &TfSetUp::btCloseClick);
    connect(btPrint, &QPushButton::clicked, this,
            [this] { RunCommand([this] { btPrintClick(); }); });
}

TerminalDiagramGeometry TfSetUp::DiagramGeometry() const {
    const QRect first = terminalBoxes[0]->geometry();
    const QRect frame = Bevel1->geometry();
    return MeasureTerminalDiagram({first.left(), first.top(), first.width(),
                                   terminalBoxes[1]->geometry().top(), frame.left(),
                                   frame.width()});
}

void TfSetUp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfSetUp::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TfSetUp::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    FormPaint();
}

void TfSetUp::FormShow() {
    ControlsFilled = false;
    const cInputSpec& job = editor_.doc.layout.InputSpec;
    ebJobName->setText(FromWin1252(job.JobName));
    ebSubDirectory->setText(FromWin1252(job.SubDirectory));
    ebIDs->setText(FromWin1252(job.NetIDs));
    ebLiftID1->setText(QString::fromStdString(DisplayAddressText(job.ID0)));
    ebSlave->setText(QString::fromStdString(SlaveAddressText(job.SlaveID0)));
    ebNLifts->setText(QString::number(job.NLifts));
    ebPosnOffset->setText(FromWin1252(job.PosnOffset));
    ebDestTime->setText(QString::number(job.DestTime));
    // Refilled like every other box, so that OK stores back what the record holds unless
    // the user changed it.
    ebSecScreenSave->setText(QString::number(job.ScreenSave));

    if (const cWindow* background = WindowAt(editor_.doc.layout, 0)) {
        if (QAbstractButton* size = sizeButtons_->button(background->X1 + 1))
            size->setChecked(true);
    }
    // A mode no button stands for leaves the buttons as they were.
    const std::array modes{rbSimulate, rbGray, rbBinary, rbParallel, rbCountPlates};
    if (job.InputMode < modes.size()) modes[job.InputMode]->setChecked(true);
    cb14TestPat->setChecked((job.Flags & jfTestPattern) != 0);
    cbZeroPosn->setChecked((job.Flags & jfZeroPosn) != 0);
    for (std::size_t bit = 0; bit < kTerminalCount; ++bit)
        terminalBoxes[bit]->setChecked((job.Invert >> bit) & 1);
    ControlsFilled = true;
    update();
}

void TfSetUp::FormClose() {
    ControlsFilled = false;
}

void TfSetUp::FormPaint() {
    const TerminalDiagramGeometry g = DiagramGeometry();
    QPainter painter(this);
    const QPalette colours = stFunction->palette();
    painter.fillRect(
        QRect(QPoint(g.clearLeft, g.clearTop), QPoint(g.clearRight - 1, g.clearBottom - 1)),
        colours.color(QPalette::Window));
    painter.setFont(stFunction->font());
    painter.setPen(colours.color(QPalette::WindowText));
    const int ascent = painter.fontMetrics().ascent();
    const TerminalLabels labels =
        TerminalFunctions(editor_.doc.layout.InputSpec.InputMode, editor_.doc.layout.InputSpec.Flags);
    for (std::size_t row = 0; row < labels.size(); ++row)
        if (!labels[row].empty())
            painter.drawText(g.textX, g.RowY(row) + ascent, FromWin1252(labels[row]));
}

void TfSetUp::rb640Click(int width) {
    if (!ControlsFilled) return;
    for (const DisplaySize& size : kDisplaySizes)
        if (size.width == width) SetDisplaySize(editor_.doc, editor_.view, size.width, size.height);
}

void TfSetUp::InputModeClick(std::uint8_t code) {
    if (ControlsFilled) SetInputMode(editor_.doc.layout.InputSpec, code);
    update();
}

void TfSetUp::cb14TestPatClick() {
    if (ControlsFilled) SetJobFlag(editor_.doc.layout.InputSpec, jfTestPattern, cb14TestPat->isChecked());
    update();
}

void TfSetUp::cbZeroPosnClick() {
    if (ControlsFilled) SetJobFlag(editor_.doc.layout.InputSpec, jfZeroPosn, cbZeroPosn->isChecked());
    update();
}

void TfSetUp::cbPAClick(int tag) {
    if (!ControlsFilled || tag < 1 || tag > static_cast<int>(kTerminalCount)) return;
    SetTerminalInverted(editor_.doc.layout.InputSpec, tag - 1,
                        terminalBoxes[static_cast<std::size_t>(tag - 1)]->isChecked());
}

void TfSetUp::btKeepClick() {
    const JobEntries entries{ToWin1252(ebJobName->text()),    ToWin1252(ebSubDirectory->text()),
                             ToWin1252(ebIDs->text()),        ToWin1252(ebNLifts->text()),
                             ToWin1252(ebLiftID1->text()),    ToWin1252(ebSlave->text()),
                             ToWin1252(ebPosnOffset->text()), ToWin1252(ebDestTime->text()),
                             ToWin1252(ebSecScreenSave->text())};
    try {
        KeepJobEntries(editor_.doc.layout.InputSpec, entries);
    } catch (const JobEntryError& error) {
        // The box that holds no number gets the focus with its text selected, so the user
        // sees at once what the message is about; the dialog stays open.
        const auto point = [](auto* box) {
            box->setFocus();
            box->selectAll();
        };
        switch (error.entry) {
        case JobEntry::NLifts: point(ebNLifts); break;
        case JobEntry::LiftID1: point(ebLiftID1); break;
        case JobEntry::Slave: point(ebSlave); break;
        case JobEntry::DestTime: point(ebDestTime); break;
        case JobEntry::SecScreenSave: point(ebSecScreenSave); break;
        }
        throw;
    }
    accept();
}

void TfSetUp::btCloseClick() {
    reject();
}

void TfSetUp::btPrintClick() {
    PrintForm(*this, editor_.host);
}

} // namespace pw
