// The word field's filter, and the lookups behind "Ajouter mot" and "Supprimer mot".
#include "WordEditing.h"

#include "Cp1252.h"
#include "Scramble.h"

namespace {

constexpr char16_t Backspace = 8;
constexpr char16_t Enter = 13;

bool isLower(QChar c)
{
    return c >= u'a' && c <= u'z';
}

bool isCapital(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

} // namespace

WordTyping::Key WordTyping::filterKey(QChar typed)
{
    // Plain ASCII only: accented letters are dropped, not upper-cased.
    if (isLower(typed))
        typed = QChar(typed.unicode() - 32);
    if (isCapital(typed))
        return {Action::Insert, typed};
    if (typed.unicode() == Backspace)
        return {Action::Backspace, {}};
    if (typed.unicode() == Enter)
        return {Action::Accept, {}};
    return {Action::Drop, {}};
}

QString WordTyping::filterPasted(const QString &text, int room)
{
    QString kept;
    for (QChar c : text) {
        if (kept.size() >= room)
            break;
        const Key key = filterKey(c);
        if (key.action == Action::Insert)
            kept += key.character;
    }
    return kept;
}

AddResult addWord(WordList &list, const QString &word)
{
    if (list.fileUnread())
        return AddResult::FileUnread;
    if (word.isEmpty())
        return AddResult::NothingTyped;
    std::string scrambled = Crypte(toCp1252(word));
    if (list.indexOf(scrambled) >= 0)
        return AddResult::AlreadyThere;
    list.append(std::move(scrambled));
    list.Tri();
    return AddResult::Added;
}

RemoveResult removeWord(WordList &list, const QString &word)
{
    if (list.fileUnread())
        return RemoveResult::FileUnread;
    if (word.isEmpty())
        return RemoveResult::NothingTyped;
    const int found = list.indexOf(Crypte(toCp1252(word)));
    if (found < 0)
        return RemoveResult::NotThere;
    list.removeAt(found);
    return RemoveResult::Removed;
}

QString messageFor(AddResult result)
{
    if (result == AddResult::FileUnread)
        return WordList::unreadFileText();
    return result == AddResult::AlreadyThere ? QStringLiteral("Ce mot existe déjà") : QString();
}

QString messageFor(RemoveResult result)
{
    if (result == RemoveResult::FileUnread)
        return WordList::unreadFileText();
    return result == RemoveResult::NotThere ? QStringLiteral("Ce mot n'existe pas") : QString();
}
