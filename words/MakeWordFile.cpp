// Build tool: turns a plain list (one word a line) into a scrambled word file.
#include "OrvError.h"
#include "Scramble.h"
#include "WordList.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: orv_mkdat PLAIN_LIST OUTPUT\n");
        return 2;
    }
    try {
        WordList plain;
        plain.load(args.at(1));
        WordList scrambled;
        for (const Entry &word : plain.entries())
            if (!word.empty())
                scrambled.append(Crypte(word));
        scrambled.save(args.at(2));
        std::printf("%d words written to %s\n", scrambled.count(), qPrintable(args.at(2)));
    } catch (const OrvError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
