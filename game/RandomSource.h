// Where the game draws its numbers: Random(n) gives 0 to n − 1, seeded once at start-up.
#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A whole number from 0 to n − 1, drawn uniformly; 0 when n is 0 or less.
    virtual qint32 Random(qint32 n) = 0;
    virtual void seed(quint32 value) = 0;
};

// The program's own source.
class SystemRandomSource final : public RandomSource
{
public:
    qint32 Random(qint32 n) override;
    void seed(quint32 value) override;

private:
    QRandomGenerator m_generator;
};

// The program's source, one for the whole process; each start-up seeds it again.
RandomSource &systemRandomSource();

// Milliseconds since midnight on the local clock: the seed of each run.
quint32 timeOfDaySeed();
