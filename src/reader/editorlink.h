#pragma once

namespace memoquill {

// How the reader reaches the editor window.
class EditorLink
{
public:
    virtual ~EditorLink() = default;

    virtual void showEditor() = 0;
    // Asks the editor to close, if it is open and not already closing.
    virtual void closeEditor() = 0;

protected:
    EditorLink() = default;
    EditorLink(const EditorLink &) = default;
    EditorLink &operator=(const EditorLink &) = default;
};

} // namespace memoquill
