#include "gui/main_window.h"

#include "check/generate_question.h"
#include "generate/verify_display.h"
#include "gui/application.h"
#include "gui/canvas_status_label.h"
#include "gui/canvas_view.h"
#include "gui/edit_menu.h"
#include "gui/gui_host.h"
#include "gui/help_key.h"
#include "gui/help_window.h"
#include "gui/place_hint.h"
#include "gui/problems_dock.h"
#include "gui/progress_window.h"
#include "gui/recent_files.h"
#include "gui/setup_dialog.h"
#include "gui/view_control_dialog.h"
#include "gui/view_mode_label.h"
#include "gui/when_on_screen.h"
#include "gui/win_info_dialog.h"
#include "gui/windows_dock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "qt/layout_picture.h"
#include "qt/gcrypt_hasher.h"
#include "qt/win1252.h"
#include "shell/close_query.h"
#include "shell/generate_files.h"
#include "shell/layout_commands.h"
#include "shell/layout_file.h"
#include "shell/new_layout.h"
#include "shell/place_mode.h"
#include "shell/startup.h"
#include "shell/timer_step.h"
#include "shell/undo_history.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>
#include <functional>
#include <utility>

namespace pw {

namespace {

// Where the panels are, and the size of the grid drags snap to, in the user's settings.
constexpr const char* kPanelsKey = "MainWindow/panels";
constexpr const char* kGridSizeKey = "Canvas/gridSize";

struct Item {
    const char* name;
    const char* caption;
    const char* hint;
    int helpContext; // 0: none of its own
    std::function<void(TfPanelwright&, Editor&)> action;
};

std::function<void(TfPanelwright&, Editor&)> Place(PlaceKind kind) {
    return [kind](TfPanelwright&, Editor& editor) {
        ArmPlace(editor.pointer, editor.observers, kind);
    };
}

QAction* AddItem(QWidget* menu, const Item& item, TfPanelwright& window, Editor& editor) {
    auto* action = new QAction(item.caption, menu);
    action->setObjectName(item.name);
    action->setStatusTip(item.hint);
    action->setProperty(kHelpContextProperty, item.helpContext);
    QObject::connect(action, &QAction::triggered,
                     [&window, &editor, f = item.action] { RunCommand([&] { f(window, editor); }); });
    menu->addAction(action);
    return action;
}

// The caption with the place where Qt shows its mark of unsaved changes.
QString MarkedCaption(const std::string& caption) {
    return FromWin1252(caption).replace("[*]", "[*][*]") + "[*]";
}

} // namespace

TfPanelwright::TfPanelwright(Editor& editor, QStringList arguments, const Forms& forms)
    : AttachedObserver(editor.observers), editor_(editor), arguments_(std::move(arguments)),
      forms_(forms), canvas_(new CanvasView(editor, this)),
      problems_(new ProblemsDock(editor, this)), windows_(new WindowsDock(editor, this)),
      Timer1(this),
      recovery_(editor, StateFolder(), CurrentProcessId()) {
    setObjectName("fPanelwright");
    setWindowTitle(MarkedCaption(kMainCaption));
    setProperty(kHelpContextProperty, 40);
    QFont font("MS Sans Serif");
    font.setPointSize(8);
    setFont(font);
    move(0, 6);
    resize(650, 549);
    setCentralWidget(canvas_);
    statusBar()->setObjectName("hints");
    statusBar()->addWidget(new PlaceHintLabel(editor, statusBar()));
    statusBar()->addPermanentWidget(new CanvasStatusLabel(canvas_, this));
    statusBar()->addPermanentWidget(new ViewModeLabel(editor, this));
    statusBar()->addPermanentWidget(problems_->CountLabel());
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    // A few rows, so that the canvas keeps most of the window.
    resizeDocks({problems_}, {110}, Qt::Vertical);
    addDockWidget(Qt::LeftDockWidgetArea, windows_);
    resizeDocks({windows_}, {260}, Qt::Horizontal);
    BuildMenu();
    ShowGenerateAvailable();
    // Drags snap to other windows unless Alt is held; the grid's size is the user's.
    QSettings settings;
    editor_.pointer.snap.windows = true;
    editor_.pointer.snap.gridSize = std::clamp(settings.value(kGridSizeKey, 8).toInt(), 1, 256);
    if (!settings.contains(kGridSizeKey)) settings.setValue(kGridSizeKey, 8);
    restoreState(settings.value(kPanelsKey).toByteArray());
    SetCommandEditor(&editor_);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TfPanelwright::Timer1Timer);
    Timer1.start();
    recoveryTimer_.setInterval(kRecoveryCheck);
    connect(&recoveryTimer_, &QTimer::timeout, this,
            [this] { RunUnasked([this] { recovery_.Update(std::chrono::steady_clock::now()); }); });
    recoveryTimer_.start();
    new HelpKey(this);
}

TfPanelwright::~TfPanelwright() { SetCommandEditor(nullptr); }

void TfPanelwright::BuildMenu() {
    using W = TfPanelwright;
    const auto command = [](void (W::*f)()) {
        return [f](W& window, Editor&) { (window.*f)(); };
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    file->menuAction()->setProperty(kHelpContextProperty, 790);
    for (const Item& item : {
             Item{"New1", "&New", "Start a new layout", 0, command(&W::New1Click)},
             Item{"Load1", "&Load", "Load an existing layout file", 290, command(&W::Load1Click)},
             Item{"Save1", "&Save", "Save the current layout file", 0, command(&W::Save1Click)},
             Item{"SaveAs1", "Save &As", "Save current layout to a new filename", 0,
                  command(&W::SaveAs1Click)},
             Item{"ExportPicture1", "&Export Picture...",
                  "Save the layout as the canvas shows it as a PNG picture", 0,
                  command(&W::ExportPicture1Click)},
             Item{"Generatefiles1", "&Generate files",
                  "Generates fonts and bitmaps ready to update displays", 0,
                  command(&W::Generatefiles1Click)},
             Item{"VerifyDisplayFiles1", "&Verify Display Files",
                  "Checks that the display files are those the last Generate files wrote", 0,
                  command(&W::VerifyDisplayFiles1Click)},
             Item{"RestorePreviousDisplayFiles1", "&Restore Previous Display Files",
                  "Puts the previous display files back from the backup folder", 0,
                  command(&W::RestorePreviousDisplayFiles1Click)},
             Item{"Exit1", "E&xit", "quit this program", 0, [](W&w, Editor&) { w.close(); }},
         })
        AddItem(file, item, *this, editor_);
    file->insertMenu(MenuItem("Save1"), new RecentFiles(editor_, file));
    for (const auto& [name, keys] : {std::pair{"New1", "Ctrl+N"},
                                     {"Load1", "Ctrl+O"},
                                     {"Save1", "Ctrl+S"},
                                     {"SaveAs1", "Ctrl+Shift+S"},
                                     {"Exit1", "Ctrl+Q"}})
        MenuItem(name)->setShortcut(QKeySequence(keys));
    edit_ = new EditMenu(editor_, this);
    menuBar()->addMenu(edit_);

    QMenu* place = menuBar()->addMenu("&Place");
    place->setObjectName("Place1");
    place->menuAction()->setProperty(kHelpContextProperty, 250);
    for (const Item& item : {
             Item{"Position1", "&Position", "Changes with lift position", 400, Place(pmPosition)},
             Item{"Direction1", "&Direction", "Changes with (preferred) direction", 430, Place(pmDirection)},
             Item{"LiftStatus1", "&Lift Status", "Out of service information", 460, Place(pmLiftStatus)},
             Item{"TimeDate1", "&Time/Date", "place clock window", 490, Place(pmTimeDate)},
             Item{"DIrectory1", "De&stination", "Changes as lift stops at a floor", 520, Place(pmDestination)},
             Item{"DirectoryStatus1", "D&estination/Status",
                  "Shows floor directory exceptwhen lift out of service", 550, Place(pmDestinationStatus)},
             Item{"Message1", "Me&ssage", "", 0, Place(pmMessage)},
             Item{"TimedSequence1", "&Timed Sequence",
                  "place a window that will change every few seconds", 580, Place(pmTimedSequence)},
             Item{"Background1", "&Background Obj", "place Static text and bitmaps", 610, Place(pmBackground)},
             Item{"BackgroundRect1", "Background &Rectangle", "place a 3D style rectangle", 730,
                  Place(pmBackgroundRect)},
             Item{"Matsurface1", "&Mat surface", "place a mat texture window", 700, Place(pmMatSurface)},
         })
        AddItem(place, item, *this, editor_);

    for (const Item& item : {
             Item{"ViewActual1", "&View", "", 70, command(&W::ViewActual1Click)},
             Item{"SetUp1", "&Set Up", "", 160, command(&W::SetUp1Click)},
             Item{"Help1", "&Help (F1)", "", 0, command(&W::Help1Click)},
         })
        AddItem(menuBar(), item, *this, editor_);
    QMenu* panels = new QMenu("Pa&nels", this);
    panels->setObjectName("Panels1");
    panels->addAction(windows_->toggleViewAction());
    panels->addAction(problems_->toggleViewAction());
    menuBar()->insertMenu(MenuItem("Help1"), panels);
}

QAction* TfPanelwright::MenuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

void TfPanelwright::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (editor_.run.StartupDone) return;
    // The sheet opens beside the canvas without taking the keyboard from it.
    forms_.fWinInfo->setAttribute(Qt::WA_ShowWithoutActivating);
    forms_.fWinInfo->show();
    activateWindow();
    canvas_->setFocus();
    // Loaded once the window is on the screen, so that what the load has to say, and the
    // question about left copies, have the editor behind them.
    QTimer::singleShot(0, this, [this] {
        std::vector<std::string> arguments;
        for (const QString& argument : arguments_) arguments.push_back(ToWin1252(argument));
        RunCommand([&] { FirstShow(editor_, arguments); });
        RunCommand([this] { recovery_.OfferLeftCopies(ProcessRunning); });
    });
    // The icons come from the icon theme, whose first look-up reads the theme's index: some
    // milliseconds that the first frame does not wait for.
    WhenOnScreen(*windowHandle(), [this] {
        QApplication::setWindowIcon(QIcon::fromTheme("panelwright"));
        forms_.fWinInfo->ShowIcons();
        windows_->ShowIcons();
    });
}

void TfPanelwright::CaptionChanged(const std::string& caption) {
    setWindowTitle(MarkedCaption(caption));
    ShowGenerateAvailable();
}

// The file name changes only with the caption.
void TfPanelwright::ShowGenerateAvailable() {
    MenuItem("Generatefiles1")->setEnabled(CanGenerateFiles(editor_.doc));
}

void TfPanelwright::LayoutReplaced() {
    if (isVisible()) GrowToShowDisplay();
}

void TfPanelwright::GrowToShowDisplay() {
    const QSize display = canvas_->DisplaySize();
    const QSize area = canvas_->size();
    const QSize wanted = size() + QSize(std::max(0, display.width() - area.width()),
                                        std::max(0, display.height() - area.height()));
    if (wanted == size() || !screen()) return;
    const QRect room = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize grown = wanted.boundedTo(room.size() - frame);
    // Moved back as far as needed for the frame to stay on the screen.
    const QPoint at(
        std::max(room.left(), std::min(x(), room.right() + 1 - grown.width() - frame.width())),
        std::max(room.top(), std::min(y(), room.bottom() + 1 - grown.height() - frame.height())));
    resize(grown);
    move(at);
    // The property sheet stays beside the window where the screen has room for it.
    QWidget* sheet = forms_.fWinInfo;
    const int right = at.x() + grown.width() + frame.width();
    if (sheet->isVisible() && sheet->x() < right &&
        right + sheet->frameGeometry().width() <= room.right() + 1)
        sheet->move(right, sheet->y());
}

void TfPanelwright::CommandEnded() {
    edit_->Refresh();
    windows_->Refresh();
    problems_->Refresh();
    setWindowModified(HasUnsavedChanges(editor_.doc));
}

void TfPanelwright::closeEvent(QCloseEvent* event) {
    bool close = false;
    try {
        close = SaveBeforeClosing(editor_);
    } catch (const std::exception& error) {
        // A save that fails keeps the program running, so nothing is lost.
        Application::ShowError(error);
    }
    if (!close) {
        event->ignore();
        return;
    }
    event->accept();
    QSettings().setValue(kPanelsKey, saveState());
    // A clean exit: whatever the user chose to keep is saved.
    recovery_.Remove();
    forms_.fWinInfo->close();
}

void TfPanelwright::New1Click() {
    pw::New1Click(editor_);
}

void TfPanelwright::Load1Click() {
    if (SaveBeforeLoading(editor_)) pw::Load1Click(editor_);
}

void TfPanelwright::Save1Click() { pw::Save1Click(editor_); }

void TfPanelwright::SaveAs1Click() { pw::SaveAs1Click(editor_); }

void TfPanelwright::ExportPicture1Click() {
    pw::ExportPicture1Click(editor_);
}

void TfPanelwright::Generatefiles1Click() {
    if (!CanGenerateFiles(editor_.doc) ||
        !GenerateDespiteProblems(editor_.host, problems_->Problems()))
        return;
    ProgressWindow progress(this);
    GcryptHasher hasher;
    if (const auto report = pw::Generatefiles1Click(editor_, progress, hasher))
        statusBar()->showMessage(FromWin1252(GenerateSummary(*report)));
}

void TfPanelwright::VerifyDisplayFiles1Click() {
    GcryptHasher hasher;
    pw::VerifyDisplayFiles1Click(editor_.doc.layout.InputSpec, editor_.host, hasher);
}

void TfPanelwright::RestorePreviousDisplayFiles1Click() {
    ProgressWindow progress(this);
    GcryptHasher hasher;
    if (pw::RestorePrevious1Click(editor_.host, hasher, progress))
        statusBar()->showMessage("The previous display files are back");
}

void TfPanelwright::ViewActual1Click() { forms_.fViewControl->exec(); }

void TfPanelwright::SetUp1Click() { forms_.fSetUp->exec(); }

void TfPanelwright::Help1Click() {
    ShowHelp(kContentsTopic);
}

void TfPanelwright::Timer1Timer() {
    RunUnasked([this] { TimerStep(editor_); });
}

} // namespace pw
