#pragma once

#include "platform.h"

#include <random>

namespace memoquill {

// The platform over Qt widgets and the real file system.
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

    QWidget *focusedControl() override;
    std::optional<QString> selectedText(QWidget *control) override;
    bool replaceSelectedText(QWidget *control, const QString &text) override;

    double nextRandom() override;

    QString readFile(const QString &path,
                     const std::function<bool(QByteArrayView)> &consume) override;
    using Platform::writeFile;
    QString writeFile(const QString &path,
                      const std::function<Piece(QByteArray &piece)> &produce) override;

    void setBusy(bool busy) override;

private:
    // Default-constructed: the same sequence in every run, never seeded from the clock.
    std::mt19937 m_random;
    int m_busyDepth = 0;
};

} // namespace memoquill
