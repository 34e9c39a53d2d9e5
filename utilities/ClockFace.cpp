// The clock's states and their transitions.
#include "ClockFace.h"

ClockFace::ClockFace(TimeSource now) : m_now(std::move(now))
{
}

void ClockFace::showNow()
{
    const QDateTime now = m_now();
    m_time = clockTimeText(now.time());
    m_date = clockDateText(now.date());
}

void ClockFace::activate()
{
    m_ticking = true;
    showNow();
    m_setMode = false;
}

void ClockFace::deactivate()
{
    m_ticking = false;
}

void ClockFace::toggleSetMode()
{
    m_ticking = m_setMode;
    if (m_setMode)
        showNow();
    m_setMode = !m_setMode;
}

void ClockFace::step(std::optional<ClockField> field, int delta)
{
    if (!field)
        return;
    QString &text = isTimeField(*field) ? m_time : m_date;
    text = stepClockField(text, *field, delta);
}
