// The one error type of the program: carries the French text the user will read.
#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

class OrvError : public std::exception
{
public:
    explicit OrvError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}

    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
