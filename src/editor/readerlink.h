#pragma once

namespace memoquill {

// How the editor reaches the reader window, which may not exist yet: each call that needs
// the reader creates it, hidden, on first use.
class ReaderLink
{
public:
    virtual ~ReaderLink() = default;

    // Enables or disables the reader's Save and Save As items together.
    virtual void setReaderSaveItemsEnabled(bool enabled) = 0;
    // Shows the reader and starts a review in it.
    virtual void openReader() = 0;
    // Closes the reader, if it is open and not already closing.
    virtual void closeReader() = 0;

protected:
    ReaderLink() = default;
    ReaderLink(const ReaderLink &) = default;
    ReaderLink &operator=(const ReaderLink &) = default;
};

} // namespace memoquill
