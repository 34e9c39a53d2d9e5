// Tests of the help window, its pages and the pictures compiled into the resources.
#include "Accessibility.h"
#include "HelpViewer.h"
#include "TextFolding.h"

#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

namespace {

QString pageText(const QString &file)
{
    QFile f(QStringLiteral(":/help/") + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList helpPages()
{
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Targets of the page's links and pictures, resolved as the browser resolves them.
QList<QUrl> references(const QString &file)
{
    static const QRegularExpression pattern(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    const QUrl base(QStringLiteral("qrc:/help/") + file);
    QList<QUrl> found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(pageText(file)))
        found << base.resolved(QUrl(m.captured(1)));
    return found;
}

QString browserTitle(const HelpViewer &viewer)
{
    return viewer.findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))->documentTitle();
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void contextNumberOpensItsPage_data();
    void contextNumberOpensItsPage();
    void contentsAndHelpOnHelpOpenTheirPages();
    void everyPageIsReachableFromTheContents();
    void everyLinkAndPictureResolves_data();
    void everyLinkAndPictureResolves();
    void everyPageIsFrenchHtmlWithKeywords_data();
    void everyPageIsFrenchHtmlWithKeywords();
    void partialKeywordOpensItsPage_data();
    void partialKeywordOpensItsPage();
    void typingNarrowsTheKeywordList_data();
    void typingNarrowsTheKeywordList();
    void completerProposesTheKeyword_data();
    void completerProposesTheKeyword();
    void emptySearchWaitsInItsField();
    void backAndForwardRetraceThePagesShown();
    void everyPictureIsAValidSvgOfItsSize_data();
    void everyPictureIsAValidSvgOfItsSize();
    void tabTellsEachLinkAsAFocusedLink();
};

void TestHelpViewer::contextNumberOpensItsPage_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("title");
    QTest::newRow("2 main window") << 2 << "La fenêtre principale";
    QTest::newRow("3 Fichier") << 3 << "Le menu Fichier";
    QTest::newRow("4 Mots") << 4 << "Le menu Mots";
    QTest::newRow("5 Jeu") << 5 << "Le menu Jeu";
    QTest::newRow("6 Utilitaires") << 6 << "Le menu Utilitaires";
    QTest::newRow("7 Aide") << 7 << "Le menu Aide";
    QTest::newRow("unknown 1 gives contents") << 1 << "Sommaire de l'aide";
    QTest::newRow("unknown 8 gives contents") << 8 << "Sommaire de l'aide";
}

void TestHelpViewer::contextNumberOpensItsPage()
{
    QFETCH(int, context);
    QFETCH(QString, title);
    HelpViewer viewer;
    viewer.showContext(context);
    QVERIFY(viewer.isVisible());
    QCOMPARE(browserTitle(viewer), title);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Aide d'Orv Pendu – ") + title);
}

void TestHelpViewer::contentsAndHelpOnHelpOpenTheirPages()
{
    HelpViewer viewer;
    viewer.showHelpOnHelp();
    QCOMPARE(browserTitle(viewer), QStringLiteral("Utiliser l'aide"));
    viewer.showContents();
    QCOMPARE(browserTitle(viewer), QStringLiteral("Sommaire de l'aide"));
}

void TestHelpViewer::everyPageIsReachableFromTheContents()
{
    // A page that no link leads to can only be found by its keywords.
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        for (const QUrl &url : references(queue.takeFirst())) {
            const QString file = url.fileName();
            if (url.path().startsWith(QStringLiteral("/help/")) && file.endsWith(QStringLiteral(".html"))
                && !reached.contains(file)) {
                reached.insert(file);
                queue << file;
            }
        }
    }
    for (const QString &page : helpPages())
        QVERIFY2(reached.contains(page), qPrintable(page));
}

void TestHelpViewer::everyLinkAndPictureResolves_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &page : helpPages())
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelpViewer::everyLinkAndPictureResolves()
{
    QFETCH(QString, page);
    const QList<QUrl> targets = references(page);
    QVERIFY(!targets.isEmpty());
    for (const QUrl &url : targets) {
        QCOMPARE(url.scheme(), QStringLiteral("qrc"));
        QVERIFY2(QFile::exists(QLatin1Char(':') + url.path()), qPrintable(url.toString()));
    }
}

void TestHelpViewer::everyPageIsFrenchHtmlWithKeywords_data()
{
    everyLinkAndPictureResolves_data();
}

void TestHelpViewer::everyPageIsFrenchHtmlWithKeywords()
{
    QFETCH(QString, page);
    const QString html = pageText(page);
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(html.contains(QStringLiteral("<html lang=\"fr\">")));
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(html.trimmed().endsWith(QStringLiteral("</html>")));

    // Every element that is opened is closed, so no text is swallowed by a stray tag.
    for (const char *tag : {"html", "head", "body", "title", "h1", "h2", "p", "ul", "ol", "li",
                            "table", "tr", "td", "th", "a", "span", "b"}) {
        const QRegularExpression open(QStringLiteral("<%1[\\s>]").arg(QLatin1String(tag)));
        const QRegularExpression close(QStringLiteral("</%1>").arg(QLatin1String(tag)));
        QVERIFY2(html.count(open) == html.count(close), tag);
    }

    QTextDocument document;
    document.setHtml(html);
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    QVERIFY(!title.isEmpty());
    QVERIFY2(!title.contains(QStringLiteral("Help")) && title.at(0).isUpper(), qPrintable(title));

    const HelpIndex index = HelpIndex::load(QStringLiteral(":/help"));
    const auto entry = std::find_if(index.pages().cbegin(), index.pages().cend(),
                                    [&](const HelpIndex::Page &p) { return p.file == page; });
    QVERIFY(entry != index.pages().cend());
    QCOMPARE(entry->title, title);
    QVERIFY(entry->keywords.size() >= 3);
}

void TestHelpViewer::partialKeywordOpensItsPage_data()
{
    QTest::addColumn<QString>("partial");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("title");
    QTest::newRow("jok") << "jok" << "Joker" << "Le Joker";
    QTest::newRow("upper case VITA") << "VITA" << "vitamine" << "La vitamine";
    QTest::newRow("no accent regle") << "regle" << "règles" << "Les règles du jeu";
    QTest::newRow("keyword of several pages") << "vitamine" << "vitamine" << "La vitamine";
    QTest::newRow("sort") << "sort" << "sortie" << "Le menu Fichier";
    QTest::newRow("calc") << "calc" << "calcul" << "La calculatrice";
}

void TestHelpViewer::partialKeywordOpensItsPage()
{
    QFETCH(QString, partial);
    QFETCH(QString, keyword);
    QFETCH(QString, title);
    HelpViewer viewer;
    viewer.showSearch(partial);
    auto *edit = viewer.findChild<QLineEdit *>(QStringLiteral("keywordEdit"));
    auto *keywords = viewer.findChild<QListWidget *>(QStringLiteral("keywordList"));
    QVERIFY(viewer.findChild<QWidget *>(QStringLiteral("searchPane"))->isVisible());
    QCOMPARE(edit->text(), partial);
    QVERIFY(keywords->currentItem());
    QCOMPARE(keywords->currentItem()->text(), keyword);

    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(browserTitle(viewer), title);
}

void TestHelpViewer::typingNarrowsTheKeywordList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected"); // folded: lower case, no accents
    QTest::newRow("sta, both spellings merged") << "sta" << QStringList{"statistiques"};
    QTest::newRow("ech without accent") << "ech" << QStringList{"echec"};
    QTest::newRow("no match") << "zzz" << QStringList{};
}

void TestHelpViewer::typingNarrowsTheKeywordList()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    HelpViewer viewer;
    viewer.showSearch();
    const QString before = browserTitle(viewer);
    auto *edit = viewer.findChild<QLineEdit *>(QStringLiteral("keywordEdit"));
    auto *keywords = viewer.findChild<QListWidget *>(QStringLiteral("keywordList"));
    QTest::keyClicks(edit, typed);

    QStringList shown;
    for (int row = 0; row < keywords->count(); ++row)
        shown << foldAccents(keywords->item(row)->text());
    QCOMPARE(shown, expected);

    // Enter with nothing chosen leaves the page as it was.
    if (expected.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(browserTitle(viewer), before);
    }
}

void TestHelpViewer::completerProposesTheKeyword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("completion");
    QTest::newRow("jok") << "jok" << "Joker";
    QTest::newRow("upper case JOK") << "JOK" << "Joker";
    QTest::newRow("horl") << "horl" << "horloge";
}

void TestHelpViewer::completerProposesTheKeyword()
{
    QFETCH(QString, typed);
    QFETCH(QString, completion);
    HelpViewer viewer;
    viewer.showSearch();
    auto *edit = viewer.findChild<QLineEdit *>(QStringLiteral("keywordEdit"));
    QTest::keyClicks(edit, typed);
    QVERIFY(edit->completer());
    QCOMPARE(edit->completer()->currentCompletion(), completion);
}

void TestHelpViewer::emptySearchWaitsInItsField()
{
    HelpViewer viewer;
    viewer.showSearch();
    auto *edit = viewer.findChild<QLineEdit *>(QStringLiteral("keywordEdit"));
    QVERIFY(edit->isVisible());
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(viewer.focusWidget(), edit);
    QCOMPARE(viewer.findChild<QListWidget *>(QStringLiteral("keywordList"))->count(),
             viewer.index().keywords().size());
    QVERIFY(!browserTitle(viewer).isEmpty());
}

void TestHelpViewer::backAndForwardRetraceThePagesShown()
{
    HelpViewer viewer;
    auto *back = viewer.findChild<QAction *>(QStringLiteral("backAction"));
    auto *forward = viewer.findChild<QAction *>(QStringLiteral("forwardAction"));
    viewer.showContext(3);
    QVERIFY(!back->isEnabled());
    viewer.showContext(5);
    QVERIFY(back->isEnabled());

    back->trigger();
    QCOMPARE(browserTitle(viewer), QStringLiteral("Le menu Fichier"));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(browserTitle(viewer), QStringLiteral("Le menu Jeu"));

    viewer.findChild<QAction *>(QStringLiteral("contentsAction"))->trigger();
    QCOMPARE(browserTitle(viewer), QStringLiteral("Sommaire de l'aide"));
}

void TestHelpViewer::everyPictureIsAValidSvgOfItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (int stage = 1; stage <= 6; ++stage)
        QTest::newRow(qPrintable(QStringLiteral("gallows%1").arg(stage)))
            << QStringLiteral("gallows%1").arg(stage) << QSize(218, 240);
    for (const char *tool : {"new-game", "add-word", "remove-word", "dictionary", "statistics",
                             "search", "player", "top-ten", "exit"}) {
        QTest::newRow(tool) << QString::fromLatin1(tool) << QSize(20, 20);
        const QString greyed = QString::fromLatin1(tool) + QStringLiteral("-disabled");
        QTest::newRow(qPrintable(greyed)) << greyed << QSize(20, 20);
    }
    QTest::newRow("vitamin") << "vitamin" << QSize(20, 20);
    for (const char *arrow : {"arrow-left", "arrow-left-disabled", "arrow-right", "arrow-right-disabled",
                              "month-previous", "month-next"})
        QTest::newRow(arrow) << QString::fromLatin1(arrow) << QSize(16, 16);
    for (const char *window : {"calculator", "clock", "calendar"})
        QTest::newRow(window) << QString::fromLatin1(window) << QSize(32, 32);
    QTest::newRow("program-picture") << "program-picture" << QSize(89, 113);
    QTest::newRow("orv-pendu") << "orv-pendu" << QSize(64, 64);
}

void TestHelpViewer::everyPictureIsAValidSvgOfItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"

void TestHelpViewer::tabTellsEachLinkAsAFocusedLink()
{
    HelpViewer viewer;
    viewer.showContext(3);
    viewer.show();
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    auto *browser = viewer.findChild<QTextBrowser *>(QStringLiteral("helpBrowser"));
    browser->setFocus();
    QStringList told;
    Accessibility::setObserverForTests([&told](QAccessibleEvent *event) {
        QAccessibleInterface *link = event->accessibleInterface();
        if (event->type() == QAccessible::Focus && link && link->role() == QAccessible::Link
            && link->state().focused)
            told << link->text(QAccessible::Name);
    });
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
        QTest::keyClick(browser, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
    }
    Accessibility::setObserverForTests({});
    QCOMPARE(told.size(), 3);
    QVERIFY(!told.first().isEmpty());
    QCOMPARE(told.at(2), told.at(0));
    QVERIFY(told.at(1) != told.at(0));
}
