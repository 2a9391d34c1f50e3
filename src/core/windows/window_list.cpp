#include "windows/window_list.h"

#include "shell/colour.h"
#include "windows/renderer.h"
#include "windows/window_setters.h"

#include <algorithm>

namespace pw {

cWindow& NewWindow(Editor& editor) {
    auto window = std::make_unique<cWindow>(editor);
    window->Number = editor.NextWindowNumber++;
    window->Tag = window->Number;
    editor.WindowList.push_back(std::move(window));
    cWindow& added = *editor.WindowList.back();
    added.ListPos = static_cast<std::uint32_t>(editor.WindowList.size());
    return added;
}

cWindow* WindowAt(const Editor& editor, std::size_t i) {
    return i < editor.WindowList.size() ? editor.WindowList[i].get() : nullptr;
}

int IndexOf(const Editor& editor, const cWindow* window) {
    const auto& list = editor.WindowList;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == window) return static_cast<int>(i);
    return -1;
}

void ClearWindows(Editor& editor) {
    editor.WindowList.clear();
    editor.CurWindow = nullptr;
}

void DeleteWindow(Editor& editor, cWindow* window) {
    const int i = IndexOf(editor, window);
    if (i <= 0) return;
    std::unique_ptr<cWindow> removed = std::move(editor.WindowList[i]);
    editor.WindowList.erase(editor.WindowList.begin() + i);
    for (int i = 0; i < kIndexCount; ++i) {
        if (!removed->ImageHeld[i] || removed->BMP[i].empty()) continue;
        cImage* image = editor.ImageList.FindImage(removed->BMP[i]);
        editor.ImageList.ReleaseImage(image);
    }
    if (editor.CurWindow == window) editor.CurWindow = nullptr;
    RenumberWindows(editor);
}

void PutOnTop(Editor& editor, cWindow* window) {
    const int i = IndexOf(editor, window);
    if (i <= 0) return;
    auto& list = editor.WindowList;
    std::rotate(list.begin() + i, list.begin() + i + 1, list.end());
    RenumberWindows(editor);
}

void RenumberWindows(Editor& editor) {
    for (std::size_t i = 0; i < editor.WindowList.size(); ++i)
        editor.WindowList[i]->ListPos = static_cast<std::uint32_t>(i + 1);
}

cWindow* StepWindow(const Editor& editor, const cWindow* window, int d) {
    const int length = static_cast<int>(editor.WindowList.size());
    if (length == 0) return nullptr;
    const int i = IndexOf(editor, window);
    if (i < 0) return WindowAt(editor, 0);
    const long long j = static_cast<long long>(i) + d;
    if (j >= length) return WindowAt(editor, 0);
    if (j < 0) return WindowAt(editor, static_cast<std::size_t>(length - 1));
    return WindowAt(editor, static_cast<std::size_t>(j));
}

void SelectWindow(Editor& editor, cWindow* window) {
    if (!window || window == editor.CurWindow) return;
    DrawSelectionMark(editor, editor.CurWindow, false);
    editor.CurWindow = window;
    {
        LoadingScope loading(editor);
        editor.host.ShowWindowInfo();
    }
    DrawSelectionMark(editor, editor.CurWindow, true);
}

cWindow* FindSharedPartner(const Editor& editor, const cWindow& w, std::size_t start) {
    for (std::size_t i = start; i < editor.WindowList.size(); ++i) {
        cWindow* other = editor.WindowList[i].get();
        if (other != &w && other->Tag == w.Tag) return other;
    }
    return nullptr;
}

bool IsShownShared(const Editor& editor, const cWindow& w) {
    if (!w.HasFlag(fmShared)) return true;
    const cWindow* partner = FindSharedPartner(editor, w, 0);
    if (!partner) return true;
    if (w.ListPos <= partner->ListPos) return partner->CurIndex == 0;
    return w.CurIndex != 0;
}

void SetDisplaySize(Editor& editor, int width, int height) {
    cWindow* background = Background(editor);
    if (!background || width - 1 == background->X1) return;
    if (width < 1 || height < 1 || width > kMaxDisplaySide || height > kMaxDisplaySide) return;
    background->X0 = 0;
    background->Y0 = 0;
    background->X1 = width - 1;
    background->Y1 = height - 1;
    editor.host.DisplaySizeChanged(width, height);
    editor.canvas.Resize(width, height, kButtonFace);
    if (!editor.Loading) editor.host.RepaintCanvas();
}

void ClipToDisplay(Editor& editor, cWindow& window) {
    const cWindow* background = Background(editor);
    if (!background) return;
    window.X0 = std::max(window.X0, 0);
    window.Y0 = std::max(window.Y0, 0);
    window.X1 = std::min(window.X1, background->X1);
    window.Y1 = std::min(window.Y1, background->Y1);
}

void SetIndexForType(Editor& editor, std::uint8_t type, std::int32_t index) {
    // SetCurIndex may repaint but never changes the list, so indexes stay valid.
    for (std::size_t i = 0; i < editor.WindowList.size(); ++i) {
        cWindow& w = *editor.WindowList[i];
        if (w.Type == type) SetCurIndex(editor, w, index);
    }
}

} // namespace pw
