// Adding and removing words: the typing filter of the one-word field and the changes to the list.
#pragma once

#include "WordList.h"

#include <QChar>
#include <QString>

namespace WordTyping {

constexpr int MaxLength = 14;

enum class Action { Insert, Backspace, Accept, Drop };

struct Key
{
    Action action;
    QChar character; // the capital to insert, for Insert
};

// One typed character: a–z become capitals, capitals pass, Backspace and Enter act, all else is dropped.
Key filterKey(QChar typed);

// Text that reaches the field other than by typing: the letters only, in capitals, at most room of them.
QString filterPasted(const QString &text, int room);

} // namespace WordTyping

enum class AddResult { Added, AlreadyThere, NothingTyped, FileUnread };
enum class RemoveResult { Removed, NotThere, NothingTyped, FileUnread };

// Appends the word and sorts the list unless an equal entry is there already.
// A list whose file could not be read is never changed, whatever the word.
AddResult addWord(WordList &list, const QString &word);
// Removes the first equal entry; the others keep their order.
RemoveResult removeWord(WordList &list, const QString &word);

// What the main window shows in its plain message box, or an empty text when nothing is shown.
QString messageFor(AddResult result);
QString messageFor(RemoveResult result);
