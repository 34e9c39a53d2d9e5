// Every window as a screen reader walks it: what can be acted on has a name, what shows a value reads it.
#include "About.h"
#include "Accessibility.h"
#include "Calend.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "HeaderBar.h"
#include "HelpViewer.h"
#include "Horloge1.h"
#include "Main.h"
#include "MainAnnouncement.h"
#include "MonthGrid.h"
#include "Pocket1.h"
#include "Scramble.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

namespace {

WordList someWords()
{
    WordList list;
    list.setContent(toStd(wordFile({"MAISON", "MARCHER", "ABRICOT"})));
    return list;
}

struct RaisedEvent
{
    const QObject *object;
    QAccessible::Event type;
    int child;
};

QString describe(QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    const QString name = object ? object->objectName() : QStringLiteral("(cellule)");
    return QStringLiteral("%1 %2 de rôle %3")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QString(), name)
        .arg(int(iface->role()));
}

// What a player sees a control show.
QString shownText(const QWidget *widget)
{
    if (const auto *bar = qobject_cast<const HeaderBar *>(widget))
        return bar->sectionText(bar->sectionCount() - 1);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spin->text();
    return QString();
}

// What a screen reader can read as a control's value: its value text, its text interface, its value interface.
QStringList readableValues(QAccessibleInterface *iface)
{
    QStringList values{iface->text(QAccessible::Value)};
    if (QAccessibleTextInterface *text = iface->textInterface())
        values << text->text(0, text->characterCount());
    if (QAccessibleValueInterface *value = iface->valueInterface())
        values << value->currentValue().toString();
    return values;
}

// Collects the controls that can be reached or acted on and have no name; hidden parts are skipped.
void collectUnnamed(QAccessibleInterface *iface, QStringList &unnamed)
{
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    const QAccessibleActionInterface *actions = iface->actionInterface();
    const bool actionable = actions && !actions->actionNames().isEmpty();
    if (!state.disabled && (state.focusable || actionable) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface *child = iface->child(i))
            collectUnnamed(child, unnamed);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void everyControlIsNamedAndEveryValueReads_data();
    void everyControlIsNamedAndEveryValueReads();

    void monthGridIsATableOfDays();
    void announcementsOfTheGame_data();
    void announcementsOfTheGame();
    void endOfGameIsAnnouncedWhereTheFocusIs();

private:
    QWidget *open(const QString &window);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    QList<RaisedEvent> m_events;
    ReportSink m_reports{ErrorReport::setSinkForTests};
};

void TestAccessibility::initTestCase()
{
    Fonts::installSubstitutions();
    Accessibility::setObserverForTests(
        [this](QAccessibleEvent *event) { m_events << RaisedEvent{event->object(), event->type(), event->child()}; });
}

void TestAccessibility::cleanup()
{
    if (auto *main = qobject_cast<TMainForm *>(m_window.get()))
        main->setForms({});
    m_window.reset();
    m_dir.reset();
    m_events.clear();
}

// Each window in a state that shows values: a game played, a search run, digits typed.
QWidget *TestAccessibility::open(const QString &window)
{
    if (window == QLatin1String("main window")) {
        m_dir = std::make_unique<QTemporaryDir>();
        writeBytes(m_dir->filePath(QStringLiteral("Pendu.dat")), wordFile({"MAISON"}));
        auto *main = new TMainForm(m_dir->path());
        m_window.reset(main);
        main->show();
        if (!QTest::qWaitForWindowExposed(main) || !QTest::qWaitFor([main] { return main->wordFileLoaded(); }))
            return nullptr;
        main->OpenItemClick();
        for (QChar c : QStringLiteral("AISO"))
            main->rules().FormKeyPress(c);
        main->OpenItemClick();
        main->Button13Click();
        return main;
    }
    const std::map<QString, std::function<QWidget *()>> makers{
        {"add word", [] { return new TAjout; }},
        {"about", [] { return new TAboutBox; }},
        {"statistics", [] { auto *stats = new TStats; stats->Init(someWords()); return stats; }},
        {"dictionary", [] { auto *dico = new TDico; dico->Init(someWords()); return dico; }},
        {"word search", [] { auto *search = new TRMots; search->Init(someWords()); search->Button2Click(); return search; }},
        {"player", [] { auto *player = new TFJoueur; player->Init(QStringLiteral("Ana")); return player; }},
        {"top ten", [] { auto *top = new TMeilleurs; top->Init(QStringLiteral("Ana"), QStringLiteral("120"), 1); return top; }},
        {"calendar", [] { return new TCalendrier(nullptr, QDate(2026, 12, 9)); }},
        {"clock", [] { return new THorloge(nullptr, [] { return QDateTime(QDate(2027, 1, 9), QTime(18, 23, 5)); }); }},
        {"calculator", [] { return new TPocket; }},
        {"splash", [] { return new TSplash; }},
        {"help", [] { auto *help = new HelpViewer; help->showSearch(QString()); return help; }},
    };
    m_window.reset(makers.at(window)());
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return nullptr;
    // Typed after the opening, which clears the display.
    if (auto *pocket = qobject_cast<TPocket *>(m_window.get())) {
        pocket->FormKeyPress(u'1');
        pocket->FormKeyPress(u'2');
    }
    return m_window.get();
}

void TestAccessibility::everyControlIsNamedAndEveryValueReads_data()
{
    QTest::addColumn<QString>("window");
    // The labels and counters that show a value; fields are found by themselves.
    QTest::addColumn<QStringList>("readouts");
    // "object=name" for controls whose name is easily lost; an empty name: not exposed at all.
    QTest::addColumn<QStringList>("names");

    QTest::newRow("main window")
        << "main window" << QStringList{"Header2", "Header3", "Header4", "Header5", "ClockPanel"}
        << QStringList{"Button13=Joker", "Header2=Nombre de parties", "ExitBtn=Quitter", "ClientArea=Jeu"};
    QTest::newRow("add word") << "add word" << QStringList() << QStringList{"Edit1=Mot"};
    QTest::newRow("about") << "about" << QStringList() << QStringList();
    QTest::newRow("statistics") << "statistics" << QStringList() << QStringList();
    QTest::newRow("dictionary") << "dictionary" << QStringList()
                                << QStringList{"SpeedButton2=Lettre précédente", "SpeedButton1=Lettre suivante"};
    QTest::newRow("word search")
        << "word search" << QStringList{"Label2", "Label7", "Label13"}
        << QStringList{"SpinEdit1=Longueur", "Edit1=Résultat de la recherche", "Label2=Position 1"};
    QTest::newRow("player") << "player" << QStringList() << QStringList{"Edit1=Joueur actuel"};
    QTest::newRow("top ten") << "top ten" << QStringList() << QStringList();
    QTest::newRow("calendar") << "calendar" << QStringList{"Label1"}
                              << QStringList{"BitBtn1=Mois précédent", "BitBtn2=Mois suivant"};
    QTest::newRow("clock") << "clock" << QStringList{"Label1", "Label2"}
                           << QStringList{"UpArrow=Augmenter", "DownArrow=Diminuer", "Label4="};
    QTest::newRow("calculator") << "calculator" << QStringList{"Label1"}
                                << QStringList{"Button17=Racine carrée", "Label2="};
    QTest::newRow("splash") << "splash" << QStringList() << QStringList();
    QTest::newRow("help") << "help" << QStringList() << QStringList();
}

void TestAccessibility::everyControlIsNamedAndEveryValueReads()
{
    QFETCH(QString, window);
    QFETCH(QStringList, readouts);
    QFETCH(QStringList, names);

    QWidget *shown = open(window);
    QVERIFY(shown);
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(shown);
    QVERIFY(root);
    QStringList problems;
    collectUnnamed(root, problems);

    QList<QWidget *> valued;
    for (const QString &name : readouts) {
        QWidget *widget = shown->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        valued << widget;
    }
    for (QWidget *field : shown->findChildren<QWidget *>()) {
        const bool spinBoxPart = qobject_cast<QAbstractSpinBox *>(field->parentWidget());
        if ((qobject_cast<QLineEdit *>(field) && !spinBoxPart) || qobject_cast<QAbstractSpinBox *>(field))
            valued << field;
    }
    for (QWidget *widget : valued) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        const QString shownValue = shownText(widget);
        if (iface->text(QAccessible::Name).isEmpty())
            problems << describe(iface) + QStringLiteral(" sans nom");
        if (!readableValues(iface).contains(shownValue))
            problems << describe(iface) + QStringLiteral(" montre ") + shownValue;
        // A value interface, when there is one, agrees with what is shown and has a real range.
        if (QAccessibleValueInterface *value = iface->valueInterface()) {
            if (value->currentValue().toString() != shownValue
                || value->minimumValue().toDouble() >= value->maximumValue().toDouble())
                problems << describe(iface) + QStringLiteral(" vaut ") + value->currentValue().toString();
        }
    }
    for (const QString &entry : names) {
        const QString object = entry.section(u'=', 0, 0);
        const QString expected = entry.section(u'=', 1);
        QWidget *widget = shown->findChild<QWidget *>(object);
        QVERIFY2(widget, qPrintable(object));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        if (iface->text(QAccessible::Name) != expected || (expected.isEmpty() && !iface->state().invisible))
            problems << describe(iface) + QStringLiteral(" nommé ") + iface->text(QAccessible::Name);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void TestAccessibility::monthGridIsATableOfDays()
{
    TCalendrier calendar(nullptr, QDate(2026, 12, 9));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    auto *grid = calendar.findChild<MonthGrid *>(QStringLiteral("Calendar1"));
    grid->setFocus();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Value), QStringLiteral("mercredi 9 décembre 2026"));
    QAccessibleTableInterface *cells = table->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), 6);
    QCOMPARE(cells->columnCount(), 7);
    // 1 December 2026 is a Tuesday: the week's first two cells are blank.
    QCOMPARE(cells->cellAt(0, 1)->text(QAccessible::Name), QString());
    QCOMPARE(cells->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("mardi 1 décembre 2026"));
    QCOMPARE(cells->cellAt(0, 2)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("mar."));
    QCOMPARE(cells->selectedCells().size(), 1);
    QAccessibleInterface *selected = cells->selectedCells().front();
    QCOMPARE(selected->text(QAccessible::Name), QStringLiteral("mercredi 9 décembre 2026"));
    QVERIFY(selected->state().selected && selected->state().focused);
    QCOMPARE(table->focusChild(), selected);

    m_events.clear();
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(table->text(QAccessible::Value), QStringLiteral("jeudi 10 décembre 2026"));
    QVERIFY(!m_events.isEmpty());
    const RaisedEvent focus = m_events.front();
    QCOMPARE(focus.type, QAccessible::Focus);
    QCOMPARE(table->child(focus.child)->text(QAccessible::Name), QStringLiteral("jeudi 10 décembre 2026"));

    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(cells->selectedCells().front()->text(QAccessible::Name), QStringLiteral("dimanche 10 janvier 2027"));
}

void TestAccessibility::announcementsOfTheGame_data()
{
    QTest::addColumn<QString>("word");
    // Random's answers in turn, then 0: the draw of the word, then the vitamin's draws.
    QTest::addColumn<QList<int>>("random");
    // '#' a new game, '*' the Joker, '?' the game told again, any other character typed.
    QTest::addColumn<QString>("moves");
    // What the last move says.
    QTest::addColumn<QString>("said");

    const QList<int> vitaminFirst{0, 22, 1};
    QTest::newRow("new game") << "PARAPLUIE" << QList<int>() << "#" << "Nouveau mot de 9 lettres : P, 7 lettres cachées, E";
    QTest::newRow("new game, word shown whole") << "OK" << QList<int>() << "#" << "Nouveau mot de 2 lettres : O, K";
    QTest::newRow("found twice") << "PARAPLUIE" << QList<int>() << "#a" << "A : 2 lettres trouvées, positions 2 et 4";
    QTest::newRow("found where it is shown") << "PARAPLUIE" << QList<int>() << "#e" << "E : 1 lettre trouvée, position 9";
    QTest::newRow("missed") << "PARAPLUIE" << QList<int>() << "#xz" << "Z : raté, 2 échecs sur 6";
    QTest::newRow("played again") << "PARAPLUIE" << QList<int>() << "#xX" << "X : déjà jouée";
    QTest::newRow("not a letter") << "PARAPLUIE" << QList<int>() << "#\u00e9" << "";
    QTest::newRow("before any game") << "PARAPLUIE" << QList<int>() << "a" << "Pas de partie en cours : F2 pour commencer";
    QTest::newRow("won") << "PARAPLUIE" << QList<int>() << "#xarluip"
                         << "P : 2 lettres trouvées, positions 1 et 5. Gagné, le mot était PARAPLUIE. Score : 50";
    QTest::newRow("after the end") << "PARAPLUIE" << QList<int>() << "#arluipo" << "Partie terminée : F2 pour rejouer";
    QTest::newRow("ninth win in a row, with the bonus")
        << "OK" << QList<int>() << "#o#o#o#o#o#o#o#o#o"
        << "O : 1 lettre trouvée, position 1. Gagné, le mot était OK, avec le bonus de 50 points. Score : 590";
    QTest::newRow("lost as the vitamin shows")
        << "PARAPLUIE" << QList<int>{0, 0, 0, 0, 0, 0, 23, 2} << "#bcdfgh"
        << "H : raté, 6 échecs sur 6. Perdu, la solution était PARAPLUIE. Score : 0. Vitamine : le prochain Joker est "
           "gratuit";
    QTest::newRow("vitamin shows") << "PARAPLUIE" << vitaminFirst << "#a"
                                   << "A : 2 lettres trouvées, positions 2 et 4. Vitamine : le prochain Joker est gratuit";
    QTest::newRow("Joker paid") << "PARAPLUIE" << QList<int>() << "#a*" << "Joker : lettre R, position 3, 10 points retirés";
    QTest::newRow("Joker free") << "PARAPLUIE" << vitaminFirst << "#x*"
                                << "Joker gratuit grâce à la vitamine : lettre A, position 2";
    QTest::newRow("Joker with nothing hidden") << "PARAPLUIE" << QList<int>() << "*"
                                               << "Joker : aucune lettre cachée, 10 points retirés";
    QTest::newRow("told again") << "PARAPLUIE" << vitaminFirst << "#xa*?"
                                << "Mot : P, A, 1 lettre cachée, A, 4 lettres cachées, E. Lettres jouées : A, X. 1 échec "
                                   "sur 6. Score : -10. Joker : R";
    QTest::newRow("told again, vitamin showing")
        << "PARAPLUIE" << vitaminFirst << "#x?"
        << "Mot : P, 7 lettres cachées, E. Lettres jouées : X. 1 échec sur 6. Score : 0. Vitamine présente : Joker gratuit";
    QTest::newRow("told again, game lost") << "PARAPLUIE" << QList<int>() << "#bcdfgh?"
                                           << "Partie perdue : PARAPLUIE. 6 échecs sur 6. Score : 0";
}

// The rules play each move; what it said is told from the game before and after it.
void TestAccessibility::announcementsOfTheGame()
{
    QFETCH(QString, word);
    QFETCH(QList<int>, random);
    QFETCH(QString, moves);
    QFETCH(QString, said);

    WordList words;
    words.append(Crypte(word.toStdString()));
    ScriptedRandom source;
    source.script.assign(random.begin(), random.end());
    GameRules rules(words, source);
    QString last;
    for (QChar move : std::as_const(moves)) {
        const GameMoment before = momentOf(rules);
        if (move == u'#') {
            rules.OpenItemClick();
            last = newGameAnnouncement(momentOf(rules));
        } else if (move == u'*') {
            rules.Button13Click();
            last = jokerAnnouncement(before, momentOf(rules));
        } else if (move == u'?') {
            last = stateAnnouncement(before);
        } else {
            rules.FormKeyPress(move);
            last = letterAnnouncement(move, before, momentOf(rules));
        }
    }
    QCOMPARE(last, said);
}

// The end of the game is spoken by the window's notice as it shows again under its new name, with
// the focus left where it was.
void TestAccessibility::endOfGameIsAnnouncedWhereTheFocusIs()
{
    auto *main = qobject_cast<TMainForm *>(open(QStringLiteral("main window")));
    QVERIFY(main);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QWidget *area = main->findChild<QWidget *>(QStringLiteral("ClientArea"));
    QWidget *notice = area->findChild<QWidget *>(QStringLiteral("Notice"));
    QAccessibleInterface *said = QAccessible::queryAccessibleInterface(notice);
    QCOMPARE(said->role(), QAccessible::Notification);

    QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Button13")), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button13"));
    const auto shown = [this, notice] {
        int count = 0;
        for (const RaisedEvent &event : std::as_const(m_events))
            count += event.object == notice && event.type == QAccessible::NameChanged;
        return notice->isVisible() ? count : -1;
    };
    for (char c : std::string("BCDEF"))
        QTest::keyClick(QApplication::focusWidget(), c);
    m_events.clear();
    QTest::keyClick(QApplication::focusWidget(), 'G');
    QCOMPARE(shown(), 1);
    QVERIFY(said->text(QAccessible::Name).contains(QStringLiteral("Perdu, la solution était MAISON")));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button13"));

    // Said again when it repeats; the area keeps its own name.
    m_events.clear();
    QTest::keyClick(area, Qt::Key_F3);
    QTest::keyClick(area, Qt::Key_F3);
    QCOMPARE(shown(), 2);
    QCOMPARE(QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name), QStringLiteral("Jeu"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
