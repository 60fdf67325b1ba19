#pragma once

#include <QStringView>

#include <cstdio>
#include <cstdlib>

// Stops the run on a broken property, naming it, so libFuzzer saves the input as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Texts in memory are valid UTF-16 and break lines with CR LF only.
inline bool wellFormed(QStringView text)
{
    if (!text.isValidUtf16())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return false;
        if (text[i] == u'\r') {
            if (i + 1 == text.size() || text[i + 1] != u'\n')
                return false;
            ++i;
        }
    }
    return true;
}
