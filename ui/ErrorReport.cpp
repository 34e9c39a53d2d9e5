// Catches what a handler throws, so no exception ever crosses a Qt frame.
#include "ErrorReport.h"

#include "OrvError.h"

#include <QMessageBox>
#include <exception>
#include <new>

namespace {

std::function<void(const QString &)> &sink()
{
    static std::function<void(const QString &)> instance;
    return instance;
}

} // namespace

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

bool ErrorReport::guarded(QWidget *parent, const std::function<void()> &handler)
{
    QString text;
    try {
        handler();
        return true;
    } catch (const OrvError &e) {
        text = e.text();
    } catch (const std::bad_alloc &) {
        text = QStringLiteral("Mémoire insuffisante");
    } catch (const std::exception &e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Erreur inattendue");
    }
    // The box itself runs an event loop; nothing it does may escape either.
    try {
        show(parent, text);
    } catch (...) {
    }
    return false;
}

void ErrorReport::setSinkForTests(std::function<void(const QString &)> sink_)
{
    sink() = std::move(sink_);
}
