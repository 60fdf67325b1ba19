#include "linebreaks.h"

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

bool isSeparator(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

QString crLfBreaks(QString text, bool separatorsBreak)
{
    const auto isBreak = [separatorsBreak](QChar c) {
        return c == u'\r' || c == u'\n' || (separatorsBreak && isSeparator(c));
    };
    // Most texts are already right: hand them back without a copy.
    bool lone = false;
    for (qsizetype i = 0; i < text.size() && !lone; ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        else
            lone = isBreak(text[i]);
    }
    if (!lone)
        return text;

    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBreak(text[i])) {
            out.append(text[i]);
            continue;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
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
