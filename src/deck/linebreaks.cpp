#include "linebreaks.h"

namespace memoquill {

using namespace Qt::StringLiterals;

static bool hasLoneBreak(QStringView text)
{
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

QString withCrLf(QString text)
{
    // Most texts are right already: hand them back without a copy.
    if (!hasLoneBreak(text))
        return text;
    // Read through a view: indexing the string itself would copy a shared one.
    const QStringView in = text;
    QString out;
    out.reserve(in.size() + in.size() / 8 + 2);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != u'\r' && in[i] != u'\n') {
            out.append(in[i]);
            continue;
        }
        out.append(u"\r\n");
        if (in[i] == u'\r' && i + 1 < in.size() && in[i + 1] == u'\n')
            ++i;
    }
    return out;
}

QString withLf(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace memoquill
