#include "linebreaks.h"

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

bool isSeparator(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

bool hasLoneBreak(QStringView text, bool separatorsBreak)
{
    if (separatorsBreak
        && (text.contains(QChar::ParagraphSeparator) || text.contains(QChar::LineSeparator)))
        return true;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1)) {
        if (i == 0 || text[i - 1] != u'\r')
            return true;
    }
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1)) {
        if (i + 1 == text.size() || text[i + 1] != u'\n')
            return true;
    }
    return false;
}

QString crLfBreaks(QString text, bool separatorsBreak)
{
    // Most texts are already right: hand them back without a copy.
    if (!hasLoneBreak(text, separatorsBreak))
        return text;
    // Read through a view: indexing the string itself would copy a shared one.
    const QStringView in = text;
    QString out;
    out.reserve(in.size() + in.size() / 8 + 2);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QChar c = in[i];
        if (c != u'\r' && c != u'\n' && !(separatorsBreak && isSeparator(c))) {
            out.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < in.size() && in[i + 1] == u'\n')
            ++i;
        out.append(u"\r\n");
    }
    return out;
}

} // namespace

QString withCrLf(QString text)
{
    return crLfBreaks(std::move(text), true);
}

QString withCrLfLineEnds(QString text)
{
    return crLfBreaks(std::move(text), false);
}

QString withLf(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace memoquill
