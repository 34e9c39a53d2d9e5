// Informational messages such as "Ce mot existe déjà".
#include "MessageBox.h"

#include <QMessageBox>

namespace {

std::function<void(const QString &)> &sink()
{
    static std::function<void(const QString &)> instance;
    return instance;
}

} // namespace

void MessageBox::showPlain(QWidget *parent, const QString &text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orv Pendu"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void MessageBox::setSinkForTests(std::function<void(const QString &)> sink_)
{
    sink() = std::move(sink_);
}
