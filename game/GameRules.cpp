// The rules of a game of hangman and the scoring around it.
#include "GameRules.h"

#include "OrvError.h"
#include "RandomSource.h"
#include "Scramble.h"
#include "Cp1252.h"
#include "WordList.h"

#include <algorithm>
#include <exception>

namespace {

constexpr qint32 LongestWord = 12;
constexpr qint32 LosingMiss = 6;
constexpr qint32 BonusStreak = 9;

bool isPlayable(const Entry &entry)
{
    return !entry.empty() && entry.size() <= std::size_t(LongestWord);
}

QString countText(qint32 n, const QString &singular, const QString &pluralSuffix)
{
    return n == 1 ? singular : QString::number(n) + pluralSuffix;
}

// The score is a 32-bit counter that wraps round rather than overflowing.
void addToScore(qint32 &score, qint32 points)
{
    score = qint32(quint32(score) + quint32(points));
}

QChar upperAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - u'a' + u'A') : c;
}

} // namespace

// Emits displayChanged once, when the outermost operation ends having changed the display.
class GameRules::Notifier
{
public:
    explicit Notifier(GameRules &rules) : m_rules(rules), m_exceptions(std::uncaught_exceptions())
    {
        if (m_rules.m_depth++ == 0)
            m_before = m_rules.m_display;
    }
    ~Notifier()
    {
        const bool outermost = --m_rules.m_depth == 0;
        if (outermost && std::uncaught_exceptions() == m_exceptions && !(m_before == m_rules.m_display))
            Q_EMIT m_rules.displayChanged();
    }
    Notifier(const Notifier &) = delete;
    Notifier &operator=(const Notifier &) = delete;

private:
    GameRules &m_rules;
    GameDisplay m_before;
    int m_exceptions;
};

GameRules::GameRules(WordList &words, RandomSource &random, QObject *parent)
    : QObject(parent)
    , m_words(words)
    , m_random(random)
{
    m_timer2.setInterval(500);
    connect(&m_timer2, &QTimer::timeout, this, &GameRules::Timer2Timer);
}

GameRules::~GameRules() = default;

void GameRules::startUp()
{
    Notifier notifier(*this);
    m_random.seed(timeOfDaySeed());
    resetTotals();
    FinPartie();
}

void GameRules::resetTotals()
{
    m_totals = GameTotals();
}

void GameRules::OpenItemClick()
{
    Notifier notifier(*this);
    requirePlayableWord();
    // The previous game's bonus animation would otherwise move this game's gallows.
    m_timer2.stop();
    setAnimationRunning(false);
    m_state.GallowsStage = 0;
    m_state.Misses = 0;
    m_state.Tries = 0;
    m_state.VitaminCountdown = 0;
    AffMot();
    Valide();
    m_display.vitaminVisible = false;
    showGallows(m_state.GallowsStage);
    std::fill(m_display.lines.begin(), m_display.lines.end(), QString());
    m_state.TypedLetters.clear();
}

void GameRules::requirePlayableWord() const
{
    const auto &entries = m_words.entries();
    if (std::none_of(entries.begin(), entries.end(), isPlayable))
        throw OrvError(QStringLiteral("Aucun mot jouable dans le dictionnaire"));
}

// Empty entries met on the way are removed; over-long ones stay and are drawn past.
int GameRules::drawPlayableIndex()
{
    for (;;) {
        const int k = m_random.Random(m_words.count());
        const Entry &entry = m_words.at(k);
        if (entry.empty())
            m_words.removeAt(k);
        else if (isPlayable(entry))
            return k;
    }
}

void GameRules::AffMot()
{
    Notifier notifier(*this);
    requirePlayableWord();
    Cache();
    const int k = drawPlayableIndex();
    const QString word = fromCp1252(Decrypte(m_words.at(k)));
    m_state.SecretWord = word;
    m_state.Mask = word;
    for (qsizetype i = 1; i < word.size() - 1; ++i)
        m_state.Mask[i] = u'.';
    for (qsizetype i = 0; i < word.size(); ++i) {
        m_display.boxVisible[std::size_t(i)] = true;
        m_display.boxCaption[std::size_t(i)] = m_state.Mask.at(i);
    }
}

void GameRules::Cache()
{
    Notifier notifier(*this);
    m_display.boxVisible.fill(false);
}

void GameRules::Lettre(QChar letter)
{
    Notifier notifier(*this);
    letter = upperAsciiLetter(letter);
    bool found = false;
    for (qsizetype i = 0; i < m_state.SecretWord.size(); ++i) {
        if (m_state.SecretWord.at(i) == letter) {
            found = true;
            m_state.Mask[i] = letter;
            m_display.boxCaption[std::size_t(i)] = letter;
        }
    }
    ++m_state.Tries;
    m_display.lines[GameDisplay::TriesLine] =
        countText(m_state.Tries, QStringLiteral("1 Essai"), QStringLiteral(" Essais"));
    if (!found)
        Echec();
    if (m_state.Mask == m_state.SecretWord) {
        Gagne();
        m_display.jokerCaption = QStringLiteral("Joker");
    } else {
        Vitamine();
    }
}

void GameRules::Echec()
{
    Notifier notifier(*this);
    ++m_state.GallowsStage;
    showGallows(m_state.GallowsStage);
    ++m_state.Misses;
    m_display.lines[GameDisplay::MissesLine] =
        countText(m_state.Misses, QStringLiteral("1 Echec"), QStringLiteral(" Echecs"));
    if (m_state.Misses < LosingMiss)
        return;
    m_totals.WinStreak = 0;
    ++m_totals.Games;
    ++m_totals.Losses;
    addToScore(m_totals.Score, 60 - 10 * m_state.Misses);
    m_display.lines[GameDisplay::ResultLine] = QStringLiteral("Perdu!!!");
    m_display.lines[GameDisplay::RemarkLine] = QStringLiteral("La solution était");
    m_display.lines[GameDisplay::SolutionLine] = m_state.SecretWord;
    m_display.gamesCounter = QString::number(m_totals.Games);
    m_display.lossesCounter = QString::number(m_totals.Losses);
    m_display.scoreCounter = QString::number(m_totals.Score);
    FinPartie();
}

void GameRules::Gagne()
{
    Notifier notifier(*this);
    ++m_totals.Games;
    ++m_totals.Wins;
    addToScore(m_totals.Score, 60 - 10 * m_state.Misses);
    ++m_totals.WinStreak;
    m_display.lines[GameDisplay::ResultLine] = QStringLiteral("Gagné!!!");
    m_display.lines[GameDisplay::RemarkLine] = QStringLiteral("Bravo!!!");
    m_display.gamesCounter = QString::number(m_totals.Games);
    m_display.winsCounter = QString::number(m_totals.Wins);
    m_display.scoreCounter = QString::number(m_totals.Score);
    FinPartie();
    // The bonus leaves the streak as it is, so every further win pays it too.
    if (m_totals.WinStreak < BonusStreak)
        return;
    m_state.GallowsStage = 0;
    m_state.AnimationDirection = 1;
    showGallows(0);
    m_timer2.start();
    setAnimationRunning(true);
    m_display.lines[GameDisplay::RemarkLine] = QStringLiteral("Bonus!!!");
    addToScore(m_totals.Score, 50);
    m_display.scoreCounter = QString::number(m_totals.Score);
}

void GameRules::Vitamine()
{
    Notifier notifier(*this);
    if (--m_state.VitaminCountdown <= 0)
        m_display.vitaminVisible = false;
    const qint32 r = m_random.Random(50);
    if (r > 20 && r < 26) {
        m_display.vitaminVisible = true;
        m_state.VitaminCountdown = m_random.Random(3);
    }
}

void GameRules::Valide()
{
    Notifier notifier(*this);
    setKeysEnabled(true);
}

void GameRules::FinPartie()
{
    Notifier notifier(*this);
    setKeysEnabled(false);
}

// Shows one hidden letter on the Joker itself; the mask and the boxes stay as they are.
void GameRules::Button13Click()
{
    Notifier notifier(*this);
    const qsizetype hidden = m_state.Mask.indexOf(u'.');
    if (hidden >= 0)
        m_display.jokerCaption = m_state.SecretWord.at(hidden);
    if (!m_display.vitaminVisible) {
        addToScore(m_totals.Score, -10);
        m_display.scoreCounter = QString::number(m_totals.Score);
    }
    m_display.vitaminVisible = false;
}

void GameRules::Timer2Timer()
{
    Notifier notifier(*this);
    if (m_state.GallowsStage > 5)
        m_state.AnimationDirection = -1;
    m_state.GallowsStage += m_state.AnimationDirection;
    showGallows(m_state.GallowsStage);
    if (m_state.GallowsStage == 0) {
        m_timer2.stop();
        setAnimationRunning(false);
    }
}

void GameRules::LetterKeyClick(char letter)
{
    if (letter < 'A' || letter > 'Z')
        return;
    const auto key = std::size_t(letter - 'A');
    if (!m_display.keyEnabled[key])
        return;
    Notifier notifier(*this);
    Lettre(QLatin1Char(letter));
    m_display.keyEnabled[key] = false;
}

void GameRules::FormKeyPress(QChar key)
{
    key = upperAsciiLetter(key);
    if (key < u'A' || key > u'Z' || m_state.TypedLetters.contains(key))
        return;
    m_state.TypedLetters.append(key);
    LetterKeyClick(char(key.unicode()));
}

void GameRules::showGallows(qint32 page)
{
    m_display.gallowsPage = page;
}

void GameRules::setKeysEnabled(bool enabled)
{
    m_display.keyEnabled.fill(enabled);
}

void GameRules::setAnimationRunning(bool running)
{
    m_display.animationRunning = running;
}
