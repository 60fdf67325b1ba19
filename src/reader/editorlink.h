#pragma once

namespace memoquill {

// How the reader reaches the editor window: its deck commands, which the reader's File menu
// runs, and showing and closing it.
class EditorLink
{
public:
    virtual ~EditorLink() = default;

    virtual void Mnew_Click() = 0;
    virtual void MSave_Click() = 0;
    virtual void MSaveAs_Click() = 0;
    virtual void Mload_Click() = 0;
    virtual void Mexit_Click() = 0;

    virtual void showEditor() = 0;
    // Asks the editor to close, if it is open and not already closing.
    virtual void closeEditor() = 0;

protected:
    EditorLink() = default;
    EditorLink(const EditorLink &) = default;
    EditorLink &operator=(const EditorLink &) = default;
};

} // namespace memoquill
