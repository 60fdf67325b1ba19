#include "qtplatform.h"

#include "textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#endif

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

// Message boxes and labels show LF line breaks.
QString forDisplay(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

// Makes a file's pieces on a thread of its own, up to two ahead of the writing: encoding a
// large deck takes about as long as writing it out, and this way the two overlap.
class PieceMaker
{
public:
    using Produce = std::function<Platform::Piece(QByteArray &piece)>;

    explicit PieceMaker(const Produce &produce)
        : m_produce(produce)
        , m_thread([this] { run(); })
    {
    }

    ~PieceMaker()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    PieceMaker(const PieceMaker &) = delete;
    PieceMaker &operator=(const PieceMaker &) = delete;

    // The next piece, in order, and what comes with it.
    std::pair<Platform::Piece, QByteArray> next()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_ready.empty(); });
        auto piece = std::move(m_ready.front());
        m_ready.pop_front();
        m_changed.notify_all();
        return piece;
    }

    // Gives a written piece's memory back, to be written over rather than allocated anew.
    void recycle(QByteArray &&piece)
    {
        const std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(piece));
    }

private:
    static constexpr std::size_t Ahead = 2;

    void run()
    {
        for (;;) {
            QByteArray piece;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_stop || m_ready.size() < Ahead; });
                if (m_stop)
                    return;
                if (!m_spare.empty()) {
                    piece = std::move(m_spare.back());
                    m_spare.pop_back();
                }
            }
            const Platform::Piece step = m_produce(piece);
            {
                const std::lock_guard lock(m_mutex);
                m_ready.emplace_back(step, std::move(piece));
            }
            m_changed.notify_all();
            if (step == Platform::Piece::Last || step == Platform::Piece::Abandon)
                return;
        }
    }

    const Produce &m_produce;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<Platform::Piece, QByteArray>> m_ready;
    std::vector<QByteArray> m_spare;
    bool m_stop = false;
    // Last: it starts at once and uses all of the above.
    std::thread m_thread;
};

class QtFileDialog final : public FileDialog
{
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
        if (!m_fileTypes.isEmpty())
            m_dialog->setNameFilter(nameFilter(m_fileTypes));
        if (!m_fileName.isEmpty())
            m_dialog->selectFile(m_fileName);
        const bool accepted = m_dialog->exec() == QDialog::Accepted;
        // The dialog may be gone with its owner window once exec() returns.
        const QStringList chosen =
            (accepted && m_dialog) ? m_dialog->selectedFiles() : QStringList();
        m_fileName = chosen.value(0);
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
    QMessageBox box(qtIcon, title, forDisplay(prompt), standard, dialogParent());
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
    dialog.setLabelText(forDisplay(prompt));
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
    QString lf = text;
    lf.replace(u"\r\n"_s, u"\n"_s);
    QGuiApplication::clipboard()->setText(lf);
}

QString QtPlatform::clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return {};
    return textbox::toCrLf(data->text());
}

QWidget *QtPlatform::focusedControl()
{
    return QApplication::focusWidget();
}

std::optional<QString> QtPlatform::selectedText(QWidget *control)
{
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return textbox::selectedText(box);
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->selectedText();
    return std::nullopt;
}

bool QtPlatform::replaceSelectedText(QWidget *control, const QString &text)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(control)) {
        // Through the cursor, which also works on a read-only box (paste() does not).
        QTextCursor cursor = box->textCursor();
        cursor.insertText(text);
        box->setTextCursor(cursor);
        return true;
    }
    if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->insert(text);
        return true;
    }
    return false;
}

double QtPlatform::nextRandom()
{
    // 53 random bits scaled into [0, 1): never 1, unlike a float rounding of 32 bits could be.
    const std::uint64_t high = m_random() >> 5;
    const std::uint64_t low = m_random() >> 6;
    return double(high * 67108864 + low) / 9007199254740992.0;
}

QString QtPlatform::readFile(const QString &path,
                             const std::function<bool(QByteArrayView)> &consume)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // Big enough that reading costs no more than reading whole, small beside a large deck.
    constexpr qint64 PieceSize = 1 << 20;
    QByteArray piece(PieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(piece.data(), PieceSize);
        if (got < 0)
            return file.errorString();
        if (got == 0 || !consume(QByteArrayView(piece.constData(), got)))
            return {};
    }
}

QString QtPlatform::writeFile(const QString &path,
                              const std::function<Piece(QByteArray &piece)> &produce)
{
    // A temporary file beside the target, renamed over it only once all of it is on disk:
    // a failed or interrupted save leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    PieceMaker maker(produce);
    qint64 written = 0;
    for (;;) {
        auto [step, piece] = maker.next();
        if (step == Piece::Abandon) {
            file.cancelWriting();
            return {};
        }
        if (step == Piece::StartOver) {
            if (!file.seek(0) || !file.resize(0)) {
                QString reason = file.errorString();
                file.cancelWriting();
                return reason;
            }
            written = 0;
            continue;
        }
        if (file.write(piece) != piece.size() || !file.flush()) {
            QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
#if defined(Q_OS_LINUX)
        // Start putting this piece on disk now, while the next is made: the sync at the
        // commit then has little left to wait for.
        ::sync_file_range(file.handle(), written, piece.size(), SYNC_FILE_RANGE_WRITE);
#endif
        written += piece.size();
        if (step == Piece::Last)
            break;
        maker.recycle(std::move(piece));
    }
    if (!file.commit())
        return file.errorString();
    return {};
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
