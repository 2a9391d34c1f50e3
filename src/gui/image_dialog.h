#pragma once
// The Image dialog: the bitmap of a window's index, chosen, shown as the display will show
// it, dithered or not, given a transparent colour or removed; and the bitmap reader's window
// onto the user while a layout is read.

#include "dialogs/image_dialog_logic.h"
#include "gui/form_layout.h"
#include "shell/editor.h"

#include <QDialog>
#include <QElapsedTimer>

class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class QScrollArea;

namespace pw {

class TfImage : public QDialog, private AttachedObserver, private Progress {
    Q_OBJECT
public:
    static constexpr int kDitherHelpContext = 670;

    TfImage(Editor& editor, QWidget* parent);
    ~TfImage() override;

    // Shows the dialog modally on the bitmap entry (BMP[entry.index] of entry.window), opened
    // with imageName; two-colour images are painted in the editor's LineColour and
    // FillColour, which the caller sets first. Returns the ImageName it closed with, however
    // it was closed. By then the entry names it, and holds a count on its image exactly when
    // the image store has one (a refused file has none).
    std::string Choose(const std::string& imageName, ImageDialogLogic::Entry entry);
    // What Choose does before it shows the dialog, for showing it without waiting.
    void SetImageName(const std::string& imageName, ImageDialogLogic::Entry entry = {});

    // Menu commands and control events.
    void Browse1Click();
    void OK1Click();
    void Cancel1Click();
    void Delete1Click();
    void PickTransparentColour1Click();
    void cbDitherClick();

    // The controls, by their design names.
    QMenuBar* MainMenu1;
    QAction* Browse1;
    QAction* OK1;
    QAction* Cancel1;
    QAction* Delete1;
    QAction* PickTransparentColour1;
    QCheckBox* cbDither;
    // The picture, at its size in the scrolling area below the Dither box.
    QScrollArea* PictureArea;
    QWidget* Picture;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // A release anywhere on the dialog but its controls: where the picture is picked.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The reader's information line (at 120, 10) and the caption.
    void ImageInfoChanged(const std::string& infoLine, const std::string& caption) override;
    // While a layout is read the dialog is shown without waiting, and closed again.
    void Begin(const std::string&) override;
    void End() override;
    // The reader's "Row N of H" line (at 10, 30).
    void Step(long done, long total, const std::string& text) override;

    QAction* AddMenuItem(const char* name, const char* caption, void (TfImage::*click)());
    // Shows what the logic holds now: the picture and the Dither box, without the progress.
    void Sync();
    void ShowPicture();

    Editor& editor_;
    ImageDialogLogic logic_;
    QLabel* info_;
    QLabel* progress_;
    QElapsedTimer progressShown_;
    bool shownForReading_ = false;
};

} // namespace pw
