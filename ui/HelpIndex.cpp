#include "HelpIndex.h"

#include "TextFolding.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString firstCapture(const QString &text, const QRegularExpression &pattern)
{
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

HelpIndex HelpIndex::load(const QString &directory)
{
    static const QRegularExpression titlePattern(QStringLiteral("<title>(.*?)</title>"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywordsPattern(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""));

    HelpIndex index;
    // Keywords that differ only in case ("Statistiques", "statistiques") are one entry of the index.
    QHash<QString, QString> spellings;
    const QDir dir(directory);
    for (const QString &file : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile source(dir.filePath(file));
        if (!source.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(source.readAll());
        Page page{file, firstCapture(html, titlePattern), {}};
        for (const QString &keyword : firstCapture(html, keywordsPattern).split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = keyword.trimmed();
            if (trimmed.isEmpty())
                continue;
            page.keywords << trimmed;
            QString &spelling = spellings[trimmed.toLower()];
            if (spelling.isEmpty())
                spelling = trimmed;
            QStringList &files = index.m_filesByKeyword[spelling];
            if (!files.contains(file))
                files << file;
        }
        index.m_pages << page;
    }
    index.m_sortedKeywords = index.m_filesByKeyword.keys();
    std::stable_sort(index.m_sortedKeywords.begin(), index.m_sortedKeywords.end(),
                     [](const QString &a, const QString &b) { return foldAccents(a) < foldAccents(b); });
    return index;
}

QStringList HelpIndex::keywords() const
{
    return m_sortedKeywords;
}

QStringList HelpIndex::keywordsStartingWith(const QString &partial) const
{
    const QString key = foldAccents(partial.trimmed());
    QStringList found;
    for (const QString &keyword : m_sortedKeywords) {
        if (foldAccents(keyword).startsWith(key))
            found << keyword;
    }
    return found;
}

// The pages whose title holds the keyword come first: "vitamine" leads to "La vitamine" before "Le Joker".
QList<HelpIndex::Page> HelpIndex::pagesFor(const QString &keyword) const
{
    const QStringList files = m_filesByKeyword.value(keyword);
    QList<Page> found;
    for (const Page &page : m_pages) {
        if (files.contains(page.file))
            found << page;
    }
    const QString key = foldAccents(keyword);
    std::stable_partition(found.begin(), found.end(),
                          [&key](const Page &page) { return foldAccents(page.title).contains(key); });
    return found;
}
