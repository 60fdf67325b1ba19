#include "platform/qtplatform.h"

#include "deck/deckfile.h"
#include "deck/linebreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

class QtFileDialog final : public FileDialog
{
    // Translated as the file dialog's texts, whichever class shows it.
    Q_DECLARE_TR_FUNCTIONS(FileDialog)

public:
    explicit QtFileDialog(QWidget *owner)
        : m_owner(owner)
    {
    }

    void setFileTypes(const QString &fileTypes) override { m_fileTypes = fileTypes; }
    void setFileName(const QString &fileName) override { m_fileName = fileName; }
    void showSave() override { show(QFileDialog::AcceptSave); }
    void showOpen() override { show(QFileDialog::AcceptOpen); }
    QString fileName() const override { return m_fileName; }

private:
    // Qt takes the text in a filter's last parentheses as its pattern, so "Memofile (.mqd)"
    // alone would list only files named ".mqd". Add the matching pattern and hide it.
    static QString nameFilter(const QString &fileTypes)
    {
        static const QRegularExpression extension(u"\\((\\.[^()\\s]+)\\)\\s*$"_s);
        const QRegularExpressionMatch match = extension.match(fileTypes);
        if (!match.hasMatch())
            return fileTypes;
        return fileTypes + u" (*"_s + match.captured(1) + u')';
    }

    void show(QFileDialog::AcceptMode mode)
    {
        // Created on first use: a file dialog is costly to build and most runs never open one.
        if (!m_dialog)
            m_dialog = new QFileDialog(m_owner);
        m_dialog->setAcceptMode(mode);
        m_dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                              : QFileDialog::ExistingFile);
        m_dialog->setOption(QFileDialog::HideNameFilterDetails);
        // Qt would ask about the name as typed; the save writes it with ".mqd" (below).
        m_dialog->setOption(QFileDialog::DontConfirmOverwrite);
        if (!m_fileTypes.isEmpty())
            m_dialog->setNameFilter(nameFilter(m_fileTypes));
        if (!m_fileName.isEmpty())
            m_dialog->selectFile(m_fileName);
        for (;;) {
            const bool accepted = m_dialog->exec() == QDialog::Accepted;
            // The dialog may be gone with its owner window once exec() returns.
            const QStringList chosen =
                (accepted && m_dialog) ? m_dialog->selectedFiles() : QStringList();
            m_fileName = chosen.value(0);
            if (mode != QFileDialog::AcceptSave || m_fileName.isEmpty()
                || mayReplace(deckFileName(m_fileName)))
                return;
            // No: back to the dialog with the name typed, as Qt's own question does.
            m_dialog->selectFile(m_fileName);
        }
    }

    bool mayReplace(const QString &written) const
    {
        if (!QFileInfo::exists(written))
            return true;
        const QString question =
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(written).fileName());
        return QMessageBox::warning(m_dialog, m_dialog->windowTitle(), question,
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    }

    QPointer<QWidget> m_owner;
    QPointer<QFileDialog> m_dialog;
    QString m_fileTypes;
    QString m_fileName;
};

} // namespace

MsgResult QtPlatform::msgBox(const QString &prompt, const QString &title, MsgButtons buttons,
                             MsgIcon icon)
{
    QMessageBox::StandardButtons standard;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::Ok:
        standard = QMessageBox::Ok;
        break;
    case MsgButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        break;
    case MsgButtons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        first = QMessageBox::Yes;
        break;
    }
    const QMessageBox::Icon qtIcon = icon == MsgIcon::Exclamation ? QMessageBox::Warning
                                     : icon == MsgIcon::Question  ? QMessageBox::Question
                                                                  : QMessageBox::NoIcon;
    QMessageBox box(qtIcon, title, withLf(prompt), standard, dialogParent());
    // Card names and paths appear in prompts: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(first);
    // Escape and the close box: OK for a lone OK, No for Yes/No, Cancel otherwise.
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Ok:
        return MsgResult::Ok;
    default:
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title,
                             const QString &initialText)
{
    QInputDialog dialog(dialogParent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(withLf(prompt));
    dialog.setTextValue(initialText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

std::unique_ptr<FileDialog> QtPlatform::createFileDialog(QWidget *owner)
{
    return std::make_unique<QtFileDialog>(owner);
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString &text)
{
    // Other programs on this desktop expect LF line breaks.
    QGuiApplication::clipboard()->setText(withLf(text));
}

QString QtPlatform::clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return {};
    return withCrLf(data->text());
}

double QtPlatform::nextRandom()
{
    // 53 random bits scaled into [0, 1): never 1, unlike a float rounding of 32 bits could be.
    const std::uint64_t high = m_random() >> 5;
    const std::uint64_t low = m_random() >> 6;
    return double(high * 67108864 + low) / 9007199254740992.0;
}

void QtPlatform::setBusy(bool busy)
{
    if (busy) {
        if (m_busyDepth++ == 0)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

} // namespace memoquill
