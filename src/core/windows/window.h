#pragma once
// A window of the layout: a rectangle of the display with its kind, draw type, colours,
// font and up to 100 indexed texts and bitmap names.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

namespace pw {

class ImageBank;

constexpr int kIndexCount = 100; // Text and BMP entries 0..99
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
class cWinFileDescription {
public:
    virtual ~cWinFileDescription() = default;

    std::uint8_t DragMode = 0;
    std::uint32_t Number = 0;
    std::uint32_t ListPos = 0;
    std::uint32_t Tag = 0;
    std::uint8_t Type = 0;
    std::int32_t Parameter = 0;
    std::int32_t Texture = 0;
    std::uint8_t DrawType = 0;
    std::int32_t Format = 0;
    // Colours
    std::int32_t FG = 0;
    std::int32_t BG0 = 0;
    std::int32_t BG = 0;
    std::int32_t CurIndex = 0;
    std::int32_t FontSize = 0;
    // Position, all inclusive
    std::int32_t X0 = 0;
    std::int32_t Y0 = 0;
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::array<std::string, kIndexCount> Text;
    std::array<std::string, kIndexCount> BMP;
    std::string FontName;
    std::string FntFile;
    std::uint8_t FontStyle = 0;

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
    virtual ImageBank& Images() = 0;
    // The Background object was read from a layout file: the display takes its size.
    virtual void DisplaySizeRead(int width, int height) = 0;

protected:
    ~WindowContext() = default;
};

class cWindow : public cWinFileDescription {
public:
    // Without a context a window is plain data: it loads and writes no images and gives no
    // display size.
    explicit cWindow(WindowContext* context) : context_(context) {}
    cWindow(const cWindow&) = default;
    cWindow& operator=(const cWindow&) = default;

    // TickCount when a Timed Sequence last stepped; not stored in the file.
    std::uint32_t LastStepTick = 0;
    // The BMP entries that hold a count on their image in the store. A name read before the
    // window's draw type was known holds none, and deleting the window must not give one up.
    std::bitset<kIndexCount> ImageHeld;

    void LoadIndexImage(const std::string& fileName, bool dither, int index,
                        int transparent) override;
    void AfterRead() override;
    void WriteIndexImage(std::string& file, int index) override;

private:
    // Gives up the counts taken while the window was read that no entry holds in the end.
    void KeepTakenImages();

    struct TakenImage {
        int index;
        std::string name;
    };

    WindowContext* context_;
    // The counts LoadIndexImage took while the window's group is read, in order.
    std::vector<TakenImage> taken_;
};

// Whether two windows hold the same: every field the layout file stores, and the same
// entries holding images. Where they are in a list and how they are being dragged or stepped
// do not count.
bool SameContent(const cWindow& a, const cWindow& b);

} // namespace pw
