// The About box: where it opens and the three ways it closes.
#include "About.h"
#include "Fonts.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensCentredOnTheScreen();
    void closesByOkEnterOrEscape_data();
    void closesByOkEnterOrEscape();
};

void TestAbout::initTestCase()
{
    Fonts::installSubstitutions();
}

// A dialog would open over its parent; this one opens in the middle of the screen, every time.
void TestAbout::opensCentredOnTheScreen()
{
    QWidget mainWindow;
    mainWindow.setGeometry(29, 23, 300, 200);
    mainWindow.show();
    TAboutBox about(&mainWindow);
    for (int opening = 0; opening < 2; ++opening) {
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint offset = about.frameGeometry().center() - about.screen()->geometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
        about.hide();
        mainWindow.move(mainWindow.pos() + QPoint(100, 50));
    }
}

void TestAbout::closesByOkEnterOrEscape_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAbout::closesByOkEnterOrEscape()
{
    QFETCH(int, key);
    TAboutBox about;
    about.show();
    QVERIFY(activate(&about));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("OKButton"));
    QCOMPARE(about.focusWidget(), ok);
    if (key == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QTest::keyClick(ok, Qt::Key(key));
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
