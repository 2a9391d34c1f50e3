#pragma once
// What the Image dialog does, apart from its widgets: the bitmap of one window entry, chosen
// with the file-open dialog, shown as the display will show it, read again with or without
// dithering, given a transparent colour, or removed.
//
// Counts. An entry that holds its image (its ImageHeld bit) has one count on it. While the
// dialog is open it holds one count of its own, on the image it shows, and it leaves the
// entry's count alone: the image the dialog was opened with stays in the store through a
// Browse that is cancelled later, and an image loaded by Browse lives as long as the dialog
// shows it. Closing hands the result to the entry: it names ImageName and holds one count on
// that name's image when the store has one; the dialog then gives up its own count. So
// whatever is done in between, every holding entry has exactly one count on its image and an
// image that no entry holds has none.

#include "images/image.h"
#include "platform/raster_canvas.h"
#include "images/image_bank.h"
#include "windows/layout.h"
#include "windows/view.h"
#include "windows/window.h"

#include <string>

namespace pw {

// Pictures are shown up to this size a side; a larger one shows its top-left part, which
// keeps the dialog's picture within 256 MB.
constexpr int kMaxPictureSide = 8192;

class ImageDialogLogic : private AttachedObserver {
public:
    // Two-colour images are painted in the view's line and fill colours as they are when the
    // dialog is shown.
    ImageDialogLogic(ImageBank& images, Host& host, Observers& observers, const View& view);

    // The bitmap entry of a window that a showing chooses for, found in its layout when the
    // dialog closes.
    struct Entry {
        Layout* layout = nullptr; // none: the result goes to no window
        WindowId window = 0;
        int index = 0; // 0..99
    };

    // Set before showing, read after closing: the file name the dialog stands for, empty for
    // none. It may name a file that was refused, which the store does not hold.
    std::string ImageName;
    // Takes the result when the dialog closes; it stays untouched until then.
    Entry entry;

    // Set by Pick Transparent Colour: the next mouse release picks.
    bool PickingTransparent = false;
    std::string OpenedName;
    // The image shown, on which the dialog holds a count while it is open.
    cImage* CurrentImage = nullptr;

    // The caption and the information line the dialog shows (they reach the views through
    // ImageInfoChanged).
    const std::string& Caption() const { return caption_; }
    const std::string& InfoLine() const { return infoLine_; }
    // CurrentImage painted on the dialog's face, as large as the image (up to
    // kMaxPictureSide a side); empty without an image.
    const RasterCanvas& Picture() const { return picture_; }

    // The dialog is being shown for ImageName and entry; two-colour images are painted in the
    // editor's LineColour and FillColour as they are now.
    void FormShow();
    void Browse1Click();
    // Cancel and Delete set the result; the dialog then closes.
    void Cancel1Click();
    void Delete1Click();
    void PickTransparentColour1Click() { PickingTransparent = true; }
    // The mouse was released at (x, y) counted from the picture's top-left pixel; a point off
    // the picture may lie at negative coordinates or beyond its size.
    void FormMouseUp(int x, int y);
    // The Dither box was clicked into the checked state given; it is the program's dither
    // switch. The image shown is read again when it was read the other way.
    void cbDitherClick(bool checked);
    // The dialog closed, whichever way: the entry takes the result.
    void FormClose();

private:
    void ImageInfoChanged(const std::string& infoLine, const std::string& caption) override;
    void ShowInfo(const std::string& infoLine, const std::string& caption);
    void PaintPicture();
    // The image shown changed in a way every window showing it must show too.
    void ImageAltered();
    void HandOverToEntry();

    ImageBank& images_;
    Host& host_;
    const Observers& observers_;
    const View& view_;
    std::string caption_;
    std::string infoLine_;
    int lineColour_ = 0;
    int fillColour_ = 0;
    RasterCanvas picture_;
};

} // namespace pw
