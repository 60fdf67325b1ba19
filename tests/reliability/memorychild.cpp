// Loads or saves a deck with too little address space left, and says what came of it: the
// program must report the failure and go on, and a failed save must leave the old file whole.
//
//   memorychild load FILE   reads FILE with 64 MB of address space to spare
//   memorychild save FILE   writes a 40 MB deck over FILE with 16 MB to spare
#include "deck/deckfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// Leaves room for only this much more memory than the process maps now.
void limitAddressSpace(long long spareBytes)
{
    long long mapped = 0;
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmSize:"))
                mapped = line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    const rlimit limit{rlim_t(mapped + spareBytes), rlim_t(mapped + spareBytes)};
    setrlimit(RLIMIT_AS, &limit);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: memorychild load|save FILE\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    QString failure;
    if (std::strcmp(argv[1], "load") == 0) {
        limitAddressSpace(64 << 20);
        failure = memoquill::readDeckFile(path).failure;
    } else {
        QList<memoquill::CardRecord> cards;
        const QString text = u"x"_s.repeated(4000);
        for (int i = 0; i < 10000; ++i)
            cards.append({QString::number(i), text, {}});
        limitAddressSpace(16 << 20);
        failure = memoquill::writeDeckFile(path, cards).failure;
    }
    // Still running, and still able to do a little: the failure is all there is to tell.
    std::printf("failure: %s\n", qPrintable(failure));
    return 0;
}
