#include "shell/step_name.h"

#include <algorithm>
#include <unordered_map>

namespace pw {

namespace {

using Windows = std::vector<std::shared_ptr<const cWindow>>;

// What a command may have changed in one window.
enum Change : unsigned {
    chMove = 1u << 0,
    chResize = 1u << 1,
    chText = 1u << 2,
    chImage = 1u << 3,
    chColours = 1u << 4,
    chIndex = 1u << 5,
    chJustification = 1u << 6,
    chSharing = 1u << 7,
    chDrawType = 1u << 8,
    chFont = 1u << 9,
    chFontSize = 1u << 10,
    chTag = 1u << 11,
    chParameter = 1u << 12,
    chTexture = 1u << 13,
    chFontFile = 1u << 14,
    chOther = 1u << 15,
};

// The word a change gives a step, for one window or several. Moves and text edits read as
// verbs, the rest as the property that changed.
std::string Phrase(Change change, const std::string& what) {
    switch (change) {
    case chMove: return "Move " + what;
    case chResize: return "Resize " + what;
    case chText: return "Edit Text of " + what;
    case chImage: return "Image of " + what;
    case chColours: return "Colours of " + what;
    case chIndex: return "Index of " + what;
    case chJustification: return "Justification of " + what;
    case chSharing: return "Sharing of " + what;
    case chDrawType: return "Draw Type of " + what;
    case chFont: return "Font of " + what;
    case chFontSize: return "Font Size of " + what;
    // Only Generate files names the font files a window's texts are drawn from.
    case chFontFile: return "Font File Names of " + what;
    case chTag: return "Tag of " + what;
    case chParameter: return "Parameter of " + what;
    case chTexture: return "Texture of " + what;
    default: return "Edit " + what;
    }
}

unsigned Changes(const cWindow& a, const cWindow& b) {
    FieldMask differ = DifferentFields(a, b);
    unsigned c = 0;
    // Each field the list holds counts as one change, and a field with no word of its own
    // as some other edit, so that no change of a window is left without a name.
    const auto take = [&](FieldMask fields, unsigned change) {
        if (differ & fields) c |= change;
        differ &= ~fields;
    };
    if (differ & kPositionFields) {
        const bool sameSize = a.X1 - a.X0 == b.X1 - b.X0 && a.Y1 - a.Y0 == b.Y1 - b.Y0;
        const bool sameCorner = a.X0 == b.X0 && a.Y0 == b.Y0;
        if (!sameCorner)
            c |= sameSize ? chMove : chMove | chResize;
        else if (!sameSize)
            c |= chResize;
        differ &= ~kPositionFields;
    }
    if (differ & wfFormat) {
        const std::int32_t format = a.Format ^ b.Format;
        if (format & (fmCentre | fmRight | fmVCentre)) c |= chJustification;
        if (format & fmShared) c |= chSharing;
        if (format & ~(fmCentre | fmRight | fmVCentre | fmShared)) c |= chOther;
        differ &= ~wfFormat;
    }
    if (a.ImageHeld != b.ImageHeld) c |= chImage;
    take(wfText, chText);
    take(wfBMP, chImage);
    take(kColourFields, chColours);
    take(wfCurIndex, chIndex);
    take(wfDrawType, chDrawType);
    take(wfFontName | wfFontStyle, chFont);
    take(wfFntFile, chFontFile);
    take(wfFontSize, chFontSize);
    take(wfTag, chTag);
    take(wfParameter, chParameter);
    take(wfTexture, chTexture);
    if (differ) c |= chOther;
    return c;
}

// "Position Window", or "3 Position Windows", or "3 Windows" of mixed kinds.
std::string WindowsNamed(const std::vector<const cWindow*>& windows) {
    const std::uint8_t type = windows.front()->Type;
    if (windows.size() == 1) return TypeName(type);
    for (const cWindow* w : windows)
        if (w->Type != type) return std::to_string(windows.size()) + " Windows";
    return std::to_string(windows.size()) + " " + TypeName(type) + "s";
}

// Each window of after paired with the one of before that has its Number (the n-th window of
// a number with the n-th, as numbers may repeat in a loaded layout); none for a new window.
std::vector<const cWindow*> Pair(const Windows& before, const Windows& after) {
    std::unordered_map<std::uint32_t, std::vector<const cWindow*>> byNumber;
    for (auto it = before.rbegin(); it != before.rend(); ++it)
        byNumber[(*it)->Number].push_back(it->get());
    std::vector<const cWindow*> pairs;
    pairs.reserve(after.size());
    for (const auto& w : after) {
        auto& same = byNumber[w->Number];
        pairs.push_back(same.empty() ? nullptr : same.back());
        if (!same.empty()) same.pop_back();
    }
    return pairs;
}

// Whether w is a copy of a window of before, moved or not, under a number and tag of its own.
bool IsDuplicate(const cWindow& w, const Windows& before) {
    cWindow probe(w);
    for (const auto& original : before) {
        probe.Number = original->Number;
        probe.Tag = original->Tag;
        probe.X0 = original->X0;
        probe.Y0 = original->Y0;
        probe.X1 = original->X1;
        probe.Y1 = original->Y1;
        if (SameContent(probe, *original)) return true;
    }
    return false;
}

std::string Added(const std::vector<const cWindow*>& added, const Windows& before) {
    if (added.size() == 1)
        return (IsDuplicate(*added.front(), before) ? "Duplicate " : "Place ") +
               std::string(TypeName(added.front()->Type));
    if (added.size() == 2 && added[0]->Type == wtDestination && added[1]->Type == wtLiftStatus &&
        added[0]->Tag == added[1]->Tag)
        return "Place Destination/Status";
    return "Place " + WindowsNamed(added);
}

std::string Changed(std::vector<std::pair<const cWindow*, unsigned>> changed) {
    std::vector<const cWindow*> windows;
    unsigned all = 0;
    for (auto& [w, c] : changed) {
        // A Text Edit session leaves the window at the index edited last.
        if (c == (chText | chIndex)) c = chText;
        windows.push_back(w);
        all |= c;
    }
    const std::string what = WindowsNamed(windows);
    if (all == (chMove | chResize) && windows.size() == 1) return "Move and Resize " + what;
    // One kind of change in every window names itself; several are an edit.
    for (const auto& [w, c] : changed)
        if (c != all) return "Edit " + what;
    return Phrase((all & (all - 1)) == 0 ? static_cast<Change>(all) : chOther, what);
}

// The store's images changed while no window did: a transparent colour picked anew, or an
// image read again.
std::string ImagesChanged(const KeptLayout& before, const KeptLayout& after) {
    bool sameImages = before.images.size() == after.images.size();
    for (std::size_t i = 0; sameImages && i < before.images.size(); ++i)
        sameImages = before.images[i].image == after.images[i].image;
    return sameImages ? "Transparent Colour" : "Images";
}

} // namespace

std::string StepName(const KeptLayout& before, const KeptLayout& after) {
    const bool resized = !before.windows.empty() && !after.windows.empty() &&
                         (before.windows[0]->X1 != after.windows[0]->X1 ||
                          before.windows[0]->Y1 != after.windows[0]->Y1);
    if (!(before.job == after.job) || resized) return "Set Up";

    const std::vector<const cWindow*> pairs = Pair(before.windows, after.windows);
    std::vector<const cWindow*> added;
    std::vector<std::pair<const cWindow*, unsigned>> changed;
    std::size_t kept = 0;
    bool reordered = false;
    for (std::size_t i = 0; i < after.windows.size(); ++i) {
        const cWindow& w = *after.windows[i];
        const cWindow* was = pairs[i];
        if (!was) {
            added.push_back(&w);
            continue;
        }
        // Kept windows in the order they had: a window put on top breaks it.
        reordered = reordered || was != before.windows[kept].get();
        ++kept;
        if (!SameContent(*was, w)) changed.emplace_back(&w, Changes(*was, w));
    }
    const std::size_t removed = before.windows.size() - kept;

    if (!added.empty() && removed == 0 && changed.empty()) return Added(added, before.windows);
    if (removed > 0 && added.empty() && changed.empty()) {
        if (removed > 1) return "Delete " + std::to_string(removed) + " Windows";
        for (std::size_t i = 0; i < before.windows.size(); ++i)
            if (std::find(pairs.begin(), pairs.end(), before.windows[i].get()) == pairs.end())
                return "Delete " + std::string(TypeName(before.windows[i]->Type));
    }
    if (added.empty() && removed == 0) {
        if (!changed.empty()) return Changed(changed);
        if (reordered)
            return "Put " + std::string(TypeName(after.windows.back()->Type)) + " on Top";
        if (!SameImages(before.images, after.images)) return ImagesChanged(before, after);
    }
    return "Edit Layout";
}

} // namespace pw
