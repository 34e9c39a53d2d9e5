// The rules of a game: drawing the word, playing letters, scoring, bonus animation, vitamin and Joker.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

class RandomSource;
class WordList;

// The current game; one for the whole run.
struct GameState
{
    QString SecretWord;
    QString Mask;
    qint32 GallowsStage = 0;
    qint32 Misses = 0;
    qint32 Tries = 0;
    qint32 VitaminCountdown = 0;
    QString TypedLetters;
    qint32 AnimationDirection = 1;
};

// Counters since start-up, never stored.
struct GameTotals
{
    qint32 Games = 0;
    qint32 Wins = 0;
    qint32 Losses = 0;
    qint32 Score = 0;
    qint32 WinStreak = 0;
};

// Everything the main window shows of the game, one field per control.
struct GameDisplay
{
    static constexpr int BoxCount = 12;
    static constexpr int KeyCount = 26;
    enum Line { TriesLine, MissesLine, ResultLine, RemarkLine, SolutionLine, LineCount };

    GameDisplay() { boxVisible.fill(true); }

    std::array<bool, BoxCount> boxVisible; // Button1 .. Button12
    std::array<QString, BoxCount> boxCaption;
    std::array<bool, KeyCount> keyEnabled{}; // SpeedButton1 (A) .. SpeedButton26 (Z)
    std::array<QString, LineCount> lines;    // Label1 .. Label5
    QString gamesCounter = QStringLiteral("0");
    QString winsCounter = QStringLiteral("0");
    QString lossesCounter = QStringLiteral("0");
    QString scoreCounter = QStringLiteral("0");
    qint32 gallowsPage = 6;                         // Notebook1
    bool vitaminVisible = false;                    // SpeedButton29
    QString jokerCaption = QStringLiteral("Joker"); // Button13
    bool animationRunning = false;                  // Timer2

    bool operator==(const GameDisplay &) const = default;
};

class GameRules : public QObject
{
    Q_OBJECT

public:
    GameRules(WordList &words, RandomSource &random, QObject *parent = nullptr);
    ~GameRules() override;

    const GameState &state() const { return m_state; }
    const GameTotals &totals() const { return m_totals; }
    const GameDisplay &display() const { return m_display; }
    const QTimer &Timer2() const { return m_timer2; }

    // First show of the main window: seed, zero the totals, lock the keyboard.
    void startUp();
    void resetTotals();

    // Throws OrvError when the list holds no word of 1 to 12 letters; nothing changes then.
    void OpenItemClick();
    void AffMot();
    void Cache();
    void Lettre(QChar letter);
    void Echec();
    void Gagne();
    void Vitamine();
    void Valide();
    void FinPartie();
    void Button13Click();
    void Timer2Timer();

    // The letter keys and the physical keyboard.
    void LetterKeyClick(char letter);
    void FormKeyPress(QChar key);

Q_SIGNALS:
    // Once per operation that changed anything in display().
    void displayChanged();

private:
    class Notifier;

    void requirePlayableWord() const;
    int drawPlayableIndex();
    void showGallows(qint32 page);
    void setKeysEnabled(bool enabled);
    void setAnimationRunning(bool running);

    WordList &m_words;
    RandomSource &m_random;
    GameState m_state;
    GameTotals m_totals;
    GameDisplay m_display;
    QTimer m_timer2;
    int m_depth = 0;
};
