// The help window: French pages from :/help/, history navigation and a keyword search.
#pragma once

#include "HelpIndex.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QWidget;

class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showContents();
    // An empty key opens the search with the focus in its field.
    void showSearch(const QString &partialKey = QString());
    void showHelpOnHelp();
    // 2 the main window, 3 to 7 its menus; any other number shows the contents.
    void showContext(int contextNumber);

    static QString pageForContext(int contextNumber);
    const HelpIndex &index() const { return m_index; }

private:
    void createToolBar();
    void createBrowser();
    void createSearchPane();
    void present();
    void openPage(const QString &file);
    void keywordTextChanged(const QString &text);
    void keywordRowChanged(int row);
    void showChosenTopic();
    void updateCaption();

    HelpIndex m_index;
    QWidget *m_toolBar = nullptr;
    QAction *m_contentsAction = nullptr;
    QAction *m_backAction = nullptr;
    QAction *m_forwardAction = nullptr;
    QAction *m_searchAction = nullptr;
    QTextBrowser *m_browser = nullptr;
    QWidget *m_searchPane = nullptr;
    QLineEdit *m_keywordEdit = nullptr;
    QListWidget *m_keywordList = nullptr;
    QListWidget *m_topicList = nullptr;
    QPushButton *m_showButton = nullptr;
};
