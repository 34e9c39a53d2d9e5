// Program entry: the game in the current directory.
#include "Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return Program::run(app);
}
