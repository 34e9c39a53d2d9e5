// Letters only, in capitals, fourteen at most, whether typed, pasted or dropped.
#include "WordField.h"

#include "ErrorReport.h"
#include "WordEditing.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>
#include <algorithm>

namespace {

// Catches text that reaches the field by any other way (a drop, the X11 selection): letters only, in capitals.
class LettersOnly : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString kept = WordTyping::filterPasted(input, WordTyping::MaxLength);
        if (kept != input) {
            pos = std::min(pos, int(kept.size()));
            input = kept;
        }
        return Acceptable;
    }
};

// Found by its shortcut, whatever the language of the menu; newer Qt names it too.
QAction *pasteAction(const QMenu *menu)
{
    const QString shortcut = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *action : menu->actions())
        if (action->objectName() == QLatin1String("edit-paste") || action->text().endsWith(shortcut))
            return action;
    return nullptr;
}

} // namespace

WordField::WordField(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(WordTyping::MaxLength);
    setValidator(new LettersOnly(this));
    // Every letter arrives as a key press, so it meets the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void WordField::insertFiltered(const QString &text)
{
    const int room = WordTyping::MaxLength - int(this->text().size()) + int(selectedText().size());
    const QString kept = WordTyping::filterPasted(text, room);
    if (!kept.isEmpty())
        insert(kept);
}

void WordField::keyPressEvent(QKeyEvent *event)
{
    ErrorReport::guarded(this, [&] {
        const QString text = event->text();
        // Keys without a character (arrows, Home, Delete) edit as usual; Escape goes to the dialog.
        if (text.isEmpty() || event->key() == Qt::Key_Delete || event->key() == Qt::Key_Escape) {
            // Shift+Insert pastes; Ctrl+V is a character, dropped below.
            if (event->matches(QKeySequence::Paste))
                insertFiltered(QGuiApplication::clipboard()->text());
            else
                QLineEdit::keyPressEvent(event);
            return;
        }
        if (event->modifiers() & Qt::AltModifier) {
            event->ignore();
            return;
        }
        QChar typed = text.front();
        // Ctrl with a letter types its control character (Ctrl+V is 22), as the keyboard does on X11.
        if ((event->modifiers() & Qt::ControlModifier) && typed.toUpper() >= u'@' && typed.toUpper() <= u'_')
            typed = QChar(typed.toUpper().unicode() - 64);
        typeCharacter(typed);
    });
}

void WordField::typeCharacter(QChar typed)
{
    const WordTyping::Key key = WordTyping::filterKey(typed);
    switch (key.action) {
    case WordTyping::Action::Insert: insert(QString(key.character)); break;
    case WordTyping::Action::Backspace: backspace(); break;
    case WordTyping::Action::Accept: Q_EMIT enterPressed(); break;
    case WordTyping::Action::Drop: break;
    }
}

void WordField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's own paste would bypass the filter.
    if (QAction *paste = pasteAction(menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connectGuarded(paste, &QAction::triggered, this,
                       [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}
