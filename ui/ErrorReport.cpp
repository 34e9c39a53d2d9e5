// Catches what a handler throws, so no exception ever crosses a Qt frame.
#include "ErrorReport.h"

#include "OrvError.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <exception>
#include <new>

namespace {

std::function<void(const QString &)> &sink()
{
    static std::function<void(const QString &)> instance;
    return instance;
}

void showSafely(QWidget *parent, const QString &text);

} // namespace

QString ErrorReport::withFullStop(const QString &text)
{
    if (!text.isEmpty() && text.back().unicode() > u'.')
        return text + u'.';
    return text;
}

void ErrorReport::show(QWidget *parent, const QString &text)
{
    const QString shown = withFullStop(text);
    if (sink()) {
        sink()(shown);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Orv Pendu"), shown, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

bool ErrorReport::confirm(QWidget *parent, const QString &question)
{
    if (sink())
        return false;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Orv Pendu"), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// Runs the handler; returns the text of what it threw, or a null string when it completed.
QString errorOf(const std::function<void()> &handler)
{
    try {
        handler();
        return QString();
    } catch (const OrvError &e) {
        return e.text().isNull() ? QStringLiteral("") : e.text();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Erreur inattendue");
    }
}

void showSafely(QWidget *parent, const QString &text)
{
    // The box runs an event loop of its own; nothing it does may escape either.
    try {
        ErrorReport::show(parent, text);
    } catch (...) {
    }
}

} // namespace

bool ErrorReport::guarded(QWidget *parent, const std::function<void()> &handler)
{
    const QString text = errorOf(handler);
    if (text.isNull())
        return true;
    showSafely(parent, text);
    return false;
}

bool ErrorReport::guardedDeferred(QWidget *parent, const std::function<void()> &handler)
{
    const QString text = errorOf(handler);
    if (text.isNull())
        return true;
    QPointer<QWidget> guard(parent);
    QTimer::singleShot(0, [guard, text] { showSafely(guard.data(), text); });
    return false;
}

void ErrorReport::setSinkForTests(std::function<void(const QString &)> sink_)
{
    sink() = std::move(sink_);
}
