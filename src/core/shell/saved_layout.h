#pragma once
// Whether the layout has changed since it was last loaded, saved or made new. The editor
// keeps the layout file text of that moment and compares the layout's text now with it.

#include <optional>
#include <string>

namespace pw {

class Editor;
class Layout;

class SavedLayout {
public:
    void Remember(const Layout& layout);
    // The layout in the editor was never saved as it is (a recovered copy): it differs from
    // whatever its file holds until it is saved.
    void Forget() { text_.reset(); }
    bool Differs(const Layout& layout) const;

private:
    std::optional<std::string> text_;
};

// The layout is now what its file holds, or a new layout: nothing is unsaved. Tells the views.
void MarkLayoutSaved(Editor& editor);

// Whether the layout differs from what it was when it was last loaded, saved or made new.
bool HasUnsavedChanges(const Editor& editor);

} // namespace pw
