// The command line: what each start asks for, the toolkit's options let through, the French errors.
#include "CommandLine.h"

#include <QTest>

using CommandLine::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentsGiveTheirRequest_data();
    void argumentsGiveTheirRequest();
};

void TestCommandLine::argumentsGiveTheirRequest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");

    QTest::newRow("no argument plays") << QStringList() << Action::Play << QString();
    QTest::newRow("--help") << QStringList{"--help"} << Action::Help << QString();
    QTest::newRow("-h") << QStringList{"-h"} << Action::Help << QString();
    QTest::newRow("-v") << QStringList{"-v"} << Action::Version << QString();
    QTest::newRow("--version beside an unknown option still prints")
        << QStringList{"--inconnue", "--version"} << Action::Version << QString();
    QTest::newRow("the toolkit's option and its value are left to it")
        << QStringList{"-platform", "offscreen", "-reverse"} << Action::Play << QString();
    QTest::newRow("the toolkit's option with an equals sign") << QStringList{"-style=fusion"} << Action::Play
                                                              << QString();
    QTest::newRow("the complete list is played from the launcher's folder")
        << QStringList{"--complet"} << Action::Play << QString();
    QTest::newRow("a message only") << QStringList{"--message", "Pas de dossier personnel."} << Action::Message
                                    << QStringLiteral("Pas de dossier personnel.");
    QTest::newRow("unknown option") << QStringList{"--inconnue"} << Action::Error
                                    << QStringLiteral("Option inconnue : --inconnue.");
    QTest::newRow("a word stuck after one dash is not read as letters")
        << QStringList{"-hv"} << Action::Error << QStringLiteral("Option inconnue : -hv.");
    QTest::newRow("message without its text") << QStringList{"--message"} << Action::Error
                                              << QStringLiteral("Une option attend une valeur.");
    QTest::newRow("a file name is not taken") << QStringList{"Pendu.dat"} << Action::Error
                                              << QStringLiteral("Argument inattendu : Pendu.dat.");
}

void TestCommandLine::argumentsGiveTheirRequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, text);

    const CommandLine::Request request = CommandLine::parse(QStringList{"orv-pendu"} + arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.text, text);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
