// The index of the help pages: titles and keywords, searched without case or accents. QtCore only.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The titles and index keywords of the help pages, read from each page's <title> and keywords meta line.
class HelpIndex
{
public:
    struct Page
    {
        QString file;
        QString title;
        QStringList keywords;
    };

    static HelpIndex load(const QString &directory);

    const QList<Page> &pages() const { return m_pages; }
    QStringList keywords() const;
    QStringList keywordsStartingWith(const QString &partial) const;
    QList<Page> pagesFor(const QString &keyword) const;

private:
    QList<Page> m_pages;
    QMap<QString, QStringList> m_filesByKeyword;
    QStringList m_sortedKeywords;
};
