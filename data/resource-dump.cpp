// Build-time tool of the word-list script: prints one file of a Qt binary resource (.rcc).
#include <QFile>
#include <QResource>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: resource-dump FILE.rcc :/PATH\n");
        return 2;
    }
    if (!QResource::registerResource(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "resource-dump: %s is not a readable resource file\n", argv[1]);
        return 1;
    }
    QFile member(QString::fromLocal8Bit(argv[2]));
    if (!member.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "resource-dump: no %s in %s\n", argv[2], argv[1]);
        return 1;
    }
    const QByteArray bytes = member.readAll();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
