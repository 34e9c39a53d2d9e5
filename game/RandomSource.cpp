// The program's random source, on Qt's seedable generator.
#include "RandomSource.h"

#include <QTime>

qint32 SystemRandomSource::Random(qint32 n)
{
    if (n <= 0)
        return 0;
    return qint32(m_generator.bounded(quint32(n)));
}

void SystemRandomSource::seed(quint32 value)
{
    m_generator.seed(value);
}

RandomSource &systemRandomSource()
{
    static SystemRandomSource source;
    return source;
}

quint32 timeOfDaySeed()
{
    return quint32(QTime::currentTime().msecsSinceStartOfDay());
}
