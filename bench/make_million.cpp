// Writes the benchmarks' word file to the path given.
#include "GeneratedList.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    generatedList().save(QString::fromLocal8Bit(argv[1]));
    return 0;
}
