// The interfaces of the program's own controls, and the factory that hands them to Qt.
#include "Accessibility.h"

#include "AnnouncingArea.h"
#include "Decoration.h"
#include "HeaderBar.h"
#include "Readout.h"
#include "SpokenLinks.h"

#include <QAccessibleWidget>

namespace {

std::function<void(QAccessibleEvent *)> &observer()
{
    static std::function<void(QAccessibleEvent *)> instance;
    return instance;
}

// A control whose value is the text it shows, read through a text interface without caret or selection.
class ShownTextInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    virtual QString shownText() const = 0;
    virtual bool hasShownText() const { return true; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && hasShownText())
            return shownText();
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface && hasShownText())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = shownText();
        if (startOffset < 0 || endOffset < startOffset)
            return QString();
        return shown.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shownText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }
};

class ReadoutInterface : public ShownTextInterface
{
public:
    explicit ReadoutInterface(Readout *readout) : ShownTextInterface(readout, readout->accessibleRole()) {}

    QString shownText() const override { return static_cast<const QLabel *>(widget())->text(); }

    QAccessible::State state() const override
    {
        QAccessible::State s = ShownTextInterface::state();
        s.readOnly = role() != QAccessible::EditableText;
        s.editable = role() == QAccessible::EditableText;
        return s;
    }
};

// A counter reads as one control, its first section naming it and its last one its value; any
// other header strip keeps its sections as labels of their own.
class HeaderBarInterface : public ShownTextInterface
{
public:
    explicit HeaderBarInterface(HeaderBar *bar) : ShownTextInterface(bar, QAccessible::StaticText) {}

    const HeaderBar *bar() const { return static_cast<const HeaderBar *>(widget()); }
    bool hasShownText() const override { return bar()->isCounter() && bar()->sectionCount() > 0; }
    QString shownText() const override
    {
        return hasShownText() ? bar()->sectionText(bar()->sectionCount() - 1) : QString();
    }

    QAccessible::Role role() const override
    {
        return bar()->isCounter() ? QAccessible::StaticText : QAccessible::Grouping;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && hasShownText() && bar()->accessibleName().isEmpty())
            return bar()->sectionText(0);
        return ShownTextInterface::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = ShownTextInterface::state();
        s.readOnly = true;
        return s;
    }

    int childCount() const override { return bar()->isCounter() ? 0 : ShownTextInterface::childCount(); }
    QAccessibleInterface *child(int index) const override
    {
        return bar()->isCounter() ? nullptr : ShownTextInterface::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return bar()->isCounter() ? -1 : ShownTextInterface::indexOfChild(child);
    }
};

class DecorationInterface : public QAccessibleWidget
{
public:
    explicit DecorationInterface(Decoration *decoration) : QAccessibleWidget(decoration, QAccessible::Separator) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text) const override { return QString(); }
};

class NoticeInterface : public QAccessibleWidget
{
public:
    explicit NoticeInterface(Notice *notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Notice *>(widget())->text();
        return QString();
    }
};

// The link the keyboard is on in a page: focused while it is current, though the page keeps the focus.
class LinkStandInInterface : public QAccessibleWidget
{
public:
    explicit LinkStandInInterface(LinkStandIn *standIn) : QAccessibleWidget(standIn, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return standIn()->text();
        return QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // Between two links a stand-in holds nothing: a reader walking the tree passes it by.
        s.focusable = standIn()->isCurrent();
        s.focused = standIn()->isCurrent();
        s.invisible = !standIn()->isCurrent();
        s.linked = true;
        return s;
    }

private:
    const LinkStandIn *standIn() const { return static_cast<const LinkStandIn *>(widget()); }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Readout"))
        return new ReadoutInterface(static_cast<Readout *>(object));
    if (className == QLatin1String("HeaderBar"))
        return new HeaderBarInterface(static_cast<HeaderBar *>(object));
    if (className == QLatin1String("Decoration"))
        return new DecorationInterface(static_cast<Decoration *>(object));
    if (className == QLatin1String("Notice"))
        return new NoticeInterface(static_cast<Notice *>(object));
    if (className == QLatin1String("LinkStandIn"))
        return new LinkStandInInterface(static_cast<LinkStandIn *>(object));
    return nullptr;
}

} // namespace

void Accessibility::makeUnseen(QWidget *widget, const QString &objectName)
{
    install();
    widget->setObjectName(objectName);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 0, 0);
}

void Accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void Accessibility::notify(QAccessibleEvent *event)
{
    if (observer())
        observer()(event);
    QAccessible::updateAccessibility(event);
}

void Accessibility::setObserverForTests(std::function<void(QAccessibleEvent *)> observer)
{
    ::observer() = std::move(observer);
}
