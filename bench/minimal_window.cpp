// The yardstick for start-up: a bare Qt Widgets main window of the game's size with a menu and a status bar.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    window.statusBar()->showMessage(QStringLiteral("Prêt"));
    window.resize(757, 511);
    FirstPaintProbe::watch(&window);
    window.show();
    return app.exec();
}
