#include "deck/linebreaks.h"

namespace memoquill {

using namespace Qt::StringLiterals;

// True when every LF follows a CR and every CR is followed by an LF.
static bool breaksAreCrLf(QStringView text)
{
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1)) {
        if (i == 0 || text[i - 1] != u'\r')
            return false;
    }
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1)) {
        if (i + 1 == text.size() || text[i + 1] != u'\n')
            return false;
    }
    return true;
}

QString withCrLf(QString text)
{
    if (breaksAreCrLf(text))
        return text;
    // Every break becomes a lone LF first, so that an existing CR LF does not gain a second CR.
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text.replace(u'\n', u"\r\n"_s);
}

QString withLf(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace memoquill
