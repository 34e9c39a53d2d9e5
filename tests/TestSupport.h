// Small helpers shared by the test programs.
#pragma once

#include "OrvError.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray toQByteArray(std::string_view s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

inline std::string toStd(const QByteArray &b)
{
    return std::string(b.constData(), std::size_t(b.size()));
}

// The text of the error a call raises, or a null string when it completes.
inline QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const OrvError &e) {
        return e.text();
    }
    return QString();
}
