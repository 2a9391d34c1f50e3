#pragma once
// A window of the layout: a rectangle of the display with its kind, draw type, colours,
// font and up to 100 indexed texts and bitmap names.

#include "windows/window_fields.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace pw {

class ImageStore;
class cWindow;

// The largest display side the editor accepts; the real displays are at most 800 pixels.
constexpr int kMaxDisplaySide = 4096;

// Window kinds (Type).
enum WindowType : std::uint8_t {
    wtBackground = 0,
    wtPosition = 1,
    wtDirection = 2,
    wtDestination = 3,
    wtTimeDate = 4,
    wtLiftStatus = 5,
    wtTimedSequence = 6,
    wtMessage = 7,
};

// How a window is drawn (DrawType).
enum DrawKind : std::uint8_t {
    dtText = 0,
    dtArrows = 1,
    dtImage = 2,
    dtRectangle = 3,
    dtMat = 4,
    dtFileName = 5,
};
constexpr int kDrawTypeCount = 6;

// Format flags.
enum FormatFlags : std::int32_t {
    fmCentre = 1,
    fmRight = 2,
    fmVCentre = 4,
    fmShared = 32,
};

// DragMode values.
enum DragState : std::uint8_t {
    dmIdle = 2,
    dmMoving = 3,
    dmBottomEdge = 4,
    dmRightEdge = 5,
};

// Name of a window kind as the Window Information dialog shows it; "" beyond the kinds.
const char* TypeName(std::uint8_t type);

// Every field the layout file stores. The file reader and writer work on this class and
// reach images only through the three virtual operations.
class cWinFileDescription : public WindowFields {
public:
    virtual ~cWinFileDescription() = default;

    // Called for each BMP line read while the window is drawn as an image, after the file
    // name has been stored in BMP[index].
    virtual void LoadIndexImage(const std::string& fileName, bool dither, int index,
                                int transparent) = 0;
    // Called when the window's group has been read.
    virtual void AfterRead() = 0;
    // Called by the writer for each non-empty BMP entry; appends that entry's lines to file.
    virtual void WriteIndexImage(std::string& file, int index) = 0;

    bool HasFlag(std::int32_t flag) const { return (Format & flag) != 0; }
    // Background in force: BG0 while CurIndex is 0, BG otherwise.
    std::int32_t IndexBackground() const { return CurIndex == 0 ? BG0 : BG; }
    bool IndexInRange() const { return CurIndex >= 0 && CurIndex < kIndexCount; }

protected:
    cWinFileDescription() = default;
    cWinFileDescription(const cWinFileDescription&) = default;
    cWinFileDescription& operator=(const cWinFileDescription&) = default;
};

// What a window reaches beyond its own fields while its layout is read or written: the
// images its BMP entries name, and the display whose size the Background object holds.
class WindowContext {
public:
    // A BMP line read for entry index of w, which names the image in w.BMP[index], to be read
    // with or without dithering and to take the transparent code.
    virtual void ImageRead(cWindow& w, int index, bool dither, int transparent) = 0;
    // The images the windows' entries name, for writing their facts.
    virtual const ImageStore& Images() const = 0;
    // The Background object was read from a layout file: the display takes its size.
    virtual void DisplaySizeRead(int width, int height) = 0;

protected:
    ~WindowContext() = default;
};

// Where a window's group and its indexed texts stood in the layout file it was read from, so
// that what is found wrong with them can point there. 0 where it was not read from a file.
struct FileLines {
    std::uint32_t group = 0;
    IndexedEntries<std::uint32_t> text;
    IndexedEntries<std::uint32_t> bmp;
    friend bool operator==(const FileLines&, const FileLines&) = default;
};

// Who a window is for as long as the program runs: a fresh value for every window made, kept
// by its copies (the undo history's, a layout's copy). Dialogs and the pointer hold it rather
// than a pointer, which undo and redo would leave dangling. Never stored in a file; 0 is no
// window.
using WindowId = std::uint64_t;

// A window's own WindowId: copied with the window, but never taken over by assignment, so
// that a window given another's contents stays itself.
class WindowIdentity {
public:
    WindowIdentity();
    WindowIdentity(const WindowIdentity&) = default;
    WindowIdentity& operator=(const WindowIdentity&) { return *this; }
    operator WindowId() const { return value_; }

private:
    WindowId value_;
};

class cWindow : public cWinFileDescription {
public:
    // Without a context a window is plain data: it loads and writes no images and gives no
    // display size.
    explicit cWindow(WindowContext* context) : context_(context) {}
    cWindow(const cWindow&) = default;
    cWindow& operator=(const cWindow&) = default;

    WindowIdentity Id;
    // TickCount when a Timed Sequence last stepped; not stored in the file.
    std::uint32_t LastStepTick = 0;
    // The BMP entries that hold a count on their image in the store. A name read before the
    // window's draw type was known holds none, and deleting the window must not give one up.
    std::bitset<kIndexCount> ImageHeld;
    FileLines Lines;

    void LoadIndexImage(const std::string& fileName, bool dither, int index,
                        int transparent) override;
    void AfterRead() override;
    void WriteIndexImage(std::string& file, int index) override;

    // Another layout took the window in: it reaches that layout's images and display now.
    void SetContext(WindowContext* context) { context_ = context; }

private:
    WindowContext* context_;
};

// Whether two windows hold the same: every field the layout file stores, and the same
// entries holding images. Where they are in a list and how they are being dragged or stepped
// do not count.
bool SameContent(const cWindow& a, const cWindow& b);

} // namespace pw
