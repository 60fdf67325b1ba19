#pragma once

#include "platform/platform.h"

#include <random>

namespace memoquill {

// The platform over Qt widgets.
class QtPlatform : public Platform
{
public:
    MsgResult msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                     MsgIcon icon) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &initialText = {}) override;
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;

    void clearClipboard() override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;

    double nextRandom() override;

    void setBusy(bool busy) override;

private:
    // Default-constructed: the same sequence in every run, never seeded from the clock.
    std::mt19937 m_random;
    int m_busyDepth = 0;
};

} // namespace memoquill
