#include "dialogs/image_dialog_logic.h"

#include "dialogs/bitmap_copy.h"
#include "display/colour.h"
#include "images/image_info.h"
#include "images/load_image.h"
#include "images/nearest_code.h"
#include "images/paint_image.h"
#include "platform/files.h"
#include "windows/window_list.h"

#include <algorithm>
#include <optional>

namespace pw {

namespace {

// Bitmaps first, and every picture that can be turned into one.
constexpr char kPictureFilter[] = "Pictures|*.bmp *.png *.jpg *.jpeg *.gif|Bitmap|*.bmp";

} // namespace

ImageDialogLogic::ImageDialogLogic(ImageBank& images, Host& host, Observers& observers,
                                   const View& view)
    : AttachedObserver(observers), images_(images), host_(host), observers_(observers),
      view_(view) {}

void ImageDialogLogic::ImageInfoChanged(const std::string& infoLine, const std::string& caption) {
    infoLine_ = infoLine;
    caption_ = caption;
}

void ImageDialogLogic::ShowInfo(const std::string& infoLine, const std::string& caption) {
    observers_.Notify(&EditorObserver::ImageInfoChanged, infoLine, caption);
}

void ImageDialogLogic::FormShow() {
    ImageStore& store = images_.ImageList;
    // A pick chosen in an earlier showing and never made ends with it.
    PickingTransparent = false;
    lineColour_ = view_.LineColour;
    fillColour_ = view_.FillColour;
    CurrentImage = store.FindImage(ImageName) ? store.AcquireImage(ImageName) : nullptr;
    if (ImageName.empty())
        ShowInfo({}, "No Image");
    else if (CurrentImage)
        ShowImageInfo(images_, CurrentImage);
    else
        ShowInfo({}, caption_); // no picture, and the caption of the last showing
    OpenedName = ImageName;
    PaintPicture();
}

void ImageDialogLogic::Browse1Click() {
    const std::optional<std::string> chosen =
        host_.ChooseOpenFile({kPictureFilter, "c:\\KVP\\Work", ImageName});
    if (!chosen) return;
    ImageName = *chosen;
    const std::string caption = "Image  " + ImageName;
    if (!FileExists(ImageName)) {
        ShowInfo(infoLine_, caption);
        host_.ShowMessage(ImageName + " was not found.", "FILE NAME ERROR");
        return;
    }
    images_.ImageList.ReleaseImage(CurrentImage);
    PaintPicture();
    ShowInfo({}, caption);
    const std::optional<std::string> bitmap = BitmapToLoad(images_, ImageName);
    if (!bitmap) return; // the picture stays unused, as a refused file does
    if (*bitmap != ImageName) {
        ImageName = *bitmap;
        // Windows already showing an earlier copy show the one just made.
        observers_.Notify(&EditorObserver::RedrawRequested);
    }
    CurrentImage = LoadImage(images_, ImageName);
    if (!CurrentImage) return;
    ShowImageInfo(images_, CurrentImage);
    PaintPicture();
}

void ImageDialogLogic::Cancel1Click() {
    // The dialog never gave up the image it was opened with: nothing has to be read again.
    ImageName = OpenedName;
}

void ImageDialogLogic::Delete1Click() {
    ImageName.clear();
}

void ImageDialogLogic::FormMouseUp(int x, int y) {
    const bool picking = PickingTransparent;
    PickingTransparent = false;
    if (!picking || !CurrentImage) return;
    if (x >= 0 && x < CurrentImage->Width && y >= 0 && y < CurrentImage->Height) {
        // Pure black leaves the colour as it was, and so does a point beyond the part of a
        // huge picture that is shown, which has no colour.
        const ScreenColour colour = picture_.Pixel(x, y) & 0xFFFFFF;
        if (colour != 0)
            CurrentImage->Transparent =
                NearestCode(images_, Red(colour), Green(colour), Blue(colour));
    } else {
        CurrentImage->Transparent = kTransparent;
    }
    ShowImageInfo(images_, CurrentImage);
    ImageAltered();
}

void ImageDialogLogic::cbDitherClick(bool checked) {
    images_.Dither = checked;
    if (!CurrentImage || checked == CurrentImage->Dithered) return;
    ImageName = CurrentImage->FileName;
    try {
        CurrentImage = ReloadImage(images_, ImageName);
    } catch (...) {
        // The image was kept: so is the box, which shows how it was read.
        ShowImageInfo(images_, CurrentImage);
        throw;
    }
    ShowImageInfo(images_, CurrentImage);
    ImageAltered();
}

void ImageDialogLogic::FormClose() {
    HandOverToEntry();
    images_.ImageList.ReleaseImage(CurrentImage);
    PaintPicture();
}

void ImageDialogLogic::HandOverToEntry() {
    cWindow* window = entry.layout ? FindWindow(*entry.layout, entry.window) : nullptr;
    const int i = entry.index;
    entry = {};
    if (!window || i < 0 || i >= kIndexCount) return;
    ImageStore& store = images_.ImageList;
    // The new count is taken before the old one goes, so an image that stays never leaves
    // the store on the way.
    cImage* held = store.FindImage(ImageName) ? store.AcquireImage(ImageName) : nullptr;
    if (window->ImageHeld[i]) {
        cImage* old = store.FindImage(window->BMP[i]);
        store.ReleaseImage(old);
    }
    window->BMP[i] = ImageName;
    window->ImageHeld[i] = held != nullptr;
}

void ImageDialogLogic::PaintPicture() {
    if (!CurrentImage) {
        picture_.Resize(0, 0, kButtonFace);
        return;
    }
    // Where the image paints nothing the dialog's face shows, as it does on the form.
    picture_.Resize(std::min(CurrentImage->Width, kMaxPictureSide),
                    std::min(CurrentImage->Height, kMaxPictureSide), kButtonFace);
    PaintImage(*CurrentImage, 0, 0, picture_, lineColour_, fillColour_);
}

void ImageDialogLogic::ImageAltered() {
    PaintPicture();
    observers_.Notify(&EditorObserver::RedrawRequested);
}

} // namespace pw
