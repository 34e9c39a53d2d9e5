// The two versions of each file that the kill test's child saves in turn, built alike by parent and child.
#pragma once

#include "Scramble.h"
#include "WordList.h"

#include <QByteArray>
#include <string>

namespace KillSave {

// Enough that a save takes milliseconds, few enough that fifty starts of the child take seconds.
constexpr int Entries = 100000;
// A player name long enough that writing the score file takes a while too.
constexpr int NameLength = 1024 * 1024;

// Version 0 or 1 of a 100,000-entry word list; the two differ in every entry.
inline WordList wordList(int version)
{
    std::string bytes;
    bytes.reserve(std::size_t(Entries) * 12);
    std::string word = version == 0 ? "AAAAAAAA" : "BBBBBBBBB";
    for (int i = 0; i < Entries; ++i) {
        for (int p = 0, n = i; p < 4; ++p, n /= 26)
            word[std::size_t(p)] = char('A' + n % 26);
        bytes += Crypte(word);
        bytes += "\r\n";
    }
    WordList list;
    list.setContent(bytes);
    return list;
}

inline std::string playerName(int version)
{
    return std::string(std::size_t(NameLength), version == 0 ? 'a' : 'b');
}

// The score file holding that name and a fixed table.
inline QByteArray scoreFile(int version)
{
    const std::string name = playerName(version);
    QByteArray bytes(name.data(), qsizetype(name.size()));
    bytes += "\r\n";
    for (int rank = 1; rank <= 10; ++rank)
        bytes += "P" + QByteArray::number(rank) + "\t" + QByteArray::number(1100 - 100 * rank) + "\r\n";
    return bytes;
}

} // namespace KillSave
