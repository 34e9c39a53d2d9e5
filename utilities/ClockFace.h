// What the clock shows and whether it ticks: running, stopped for setting, or inactive.
#pragma once

#include "ClockStepping.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class ClockFace
{
public:
    using TimeSource = std::function<QDateTime()>;

    explicit ClockFace(TimeSource now);

    const QString &timeText() const { return m_time; }
    const QString &dateText() const { return m_date; }
    bool SetMode() const { return m_setMode; }
    // Whether the one-second timer should run.
    bool ticking() const { return m_ticking; }

    // A tick: the current time and date replace the texts.
    void showNow();
    // Every activation starts the clock afresh, even from setting mode.
    void activate();
    // SetMode is left as it is: the next activation clears it.
    void deactivate();
    // "Set": stops the clock with the texts frozen, or restarts it showing the time at once.
    void toggleSetMode();
    // The arrows, in either mode; no field chosen changes nothing.
    void step(std::optional<ClockField> field, int delta);

private:
    TimeSource m_now;
    QString m_time = QStringLiteral("18:23");
    QString m_date = QStringLiteral("20/10/98");
    bool m_setMode = false;
    bool m_ticking = false;
};
