// The help window: French pages from :/help/, history navigation and a keyword search.
#include "HelpViewer.h"

#include "SpokenLinks.h"

#include <QAction>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString helpDirectory = QStringLiteral(":/help");
const QString contentsPage = QStringLiteral("index.html");
const QString helpOnHelpPage = QStringLiteral("utiliser-aide.html");
const QString captionBase = QStringLiteral("Aide d'Orv Pendu");

} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QDialog(parent), m_index(HelpIndex::load(helpDirectory))
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(captionBase);
    setSizeGripEnabled(true);

    createBrowser();
    createToolBar();
    createSearchPane();

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_searchPane);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_toolBar);
    layout->addWidget(splitter, 1);

    m_searchPane->hide();
    resize(760, 540);
}

QString HelpViewer::pageForContext(int contextNumber)
{
    switch (contextNumber) {
    case 2: return QStringLiteral("fenetre-principale.html");
    case 3: return QStringLiteral("menu-fichier.html");
    case 4: return QStringLiteral("menu-mots.html");
    case 5: return QStringLiteral("menu-jeu.html");
    case 6: return QStringLiteral("menu-utilitaires.html");
    case 7: return QStringLiteral("menu-aide.html");
    default: return contentsPage;
    }
}

void HelpViewer::showContents()
{
    openPage(contentsPage);
    present();
}

void HelpViewer::showSearch(const QString &partialKey)
{
    if (m_browser->source().isEmpty())
        openPage(helpOnHelpPage);
    m_searchAction->setChecked(true);
    m_keywordEdit->setText(partialKey);
    // setText() leaves the list as it was when the text did not change.
    keywordTextChanged(partialKey);
    present();
    m_keywordEdit->setFocus(Qt::OtherFocusReason);
    m_keywordEdit->end(false);
}

void HelpViewer::showHelpOnHelp()
{
    openPage(helpOnHelpPage);
    present();
}

void HelpViewer::showContext(int contextNumber)
{
    openPage(pageForContext(contextNumber));
    present();
}

void HelpViewer::createToolBar()
{
    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setMovable(false);

    m_contentsAction = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Sommaire"));
    m_contentsAction->setObjectName(QStringLiteral("contentsAction"));
    m_contentsAction->setToolTip(QStringLiteral("Sommaire de l'aide"));
    connect(m_contentsAction, &QAction::triggered, this, [this] { openPage(contentsPage); });

    m_backAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Précédent"));
    m_backAction->setObjectName(QStringLiteral("backAction"));
    m_backAction->setShortcut(QKeySequence::Back);
    m_backAction->setEnabled(false);
    connect(m_backAction, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backAction, &QAction::setEnabled);

    m_forwardAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Suivant"));
    m_forwardAction->setObjectName(QStringLiteral("forwardAction"));
    m_forwardAction->setShortcut(QKeySequence::Forward);
    m_forwardAction->setEnabled(false);
    connect(m_forwardAction, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardAction, &QAction::setEnabled);

    bar->addSeparator();
    m_searchAction =
        bar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("Recherche"));
    m_searchAction->setObjectName(QStringLiteral("searchAction"));
    m_searchAction->setToolTip(QStringLiteral("Chercher un mot clé"));
    m_searchAction->setCheckable(true);

    m_toolBar = bar;
}

void HelpViewer::createBrowser()
{
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Page d'aide"));
    m_browser->setOpenExternalLinks(false);
    new SpokenLinks(m_browser);
    m_browser->setMinimumWidth(360);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateCaption);
}

void HelpViewer::createSearchPane()
{
    m_searchPane = new QWidget;
    m_searchPane->setObjectName(QStringLiteral("searchPane"));

    m_keywordEdit = new QLineEdit;
    m_keywordEdit->setObjectName(QStringLiteral("keywordEdit"));
    m_keywordEdit->setPlaceholderText(QStringLiteral("début d'un mot clé"));
    m_keywordEdit->setClearButtonEnabled(true);

    m_keywordList = new QListWidget;
    m_keywordList->setObjectName(QStringLiteral("keywordList"));
    // Lists take no name from their label: they get their own.
    m_keywordList->setAccessibleName(QStringLiteral("Mots clés"));
    m_topicList = new QListWidget;
    m_topicList->setObjectName(QStringLiteral("topicList"));
    m_topicList->setAccessibleName(QStringLiteral("Rubriques"));
    m_topicList->setMaximumHeight(110);

    m_showButton = new QPushButton(QStringLiteral("&Afficher"));
    m_showButton->setObjectName(QStringLiteral("showTopicButton"));
    // Enter belongs to the field and the lists; no button of the dialog takes it.
    m_showButton->setAutoDefault(false);

    auto *keywordLabel = new QLabel(QStringLiteral("&Tapez le début du mot clé :"));
    keywordLabel->setBuddy(m_keywordEdit);
    auto *topicLabel = new QLabel(QStringLiteral("&Rubriques :"));
    topicLabel->setBuddy(m_topicList);

    auto *layout = new QVBoxLayout(m_searchPane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keywordLabel);
    layout->addWidget(m_keywordEdit);
    layout->addWidget(m_keywordList, 1);
    layout->addWidget(topicLabel);
    layout->addWidget(m_topicList);
    layout->addWidget(m_showButton, 0, Qt::AlignRight);

    m_keywordList->addItems(m_index.keywords());

    auto *completer = new QCompleter(m_index.keywords(), m_keywordEdit);
    completer->setObjectName(QStringLiteral("keywordCompleter"));
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_keywordEdit->setCompleter(completer);
    // The field takes the chosen keyword first, so its topic is the current one here.
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, &HelpViewer::showChosenTopic);

    connect(m_searchAction, &QAction::toggled, m_searchPane, &QWidget::setVisible);
    connect(m_keywordEdit, &QLineEdit::textChanged, this, &HelpViewer::keywordTextChanged);
    connect(m_keywordEdit, &QLineEdit::returnPressed, this, &HelpViewer::showChosenTopic);
    connect(m_keywordList, &QListWidget::currentRowChanged, this, &HelpViewer::keywordRowChanged);
    connect(m_keywordList, &QListWidget::itemActivated, this, &HelpViewer::showChosenTopic);
    connect(m_topicList, &QListWidget::itemActivated, this, &HelpViewer::showChosenTopic);
    connect(m_showButton, &QPushButton::clicked, this, &HelpViewer::showChosenTopic);
}

void HelpViewer::present()
{
    show();
    raise();
    activateWindow();
}

void HelpViewer::openPage(const QString &file)
{
    // Opening the page already shown would add it to the history a second time.
    const QUrl url(QStringLiteral("qrc:/help/") + file);
    if (m_browser->source() != url)
        m_browser->setSource(url);
}

// Keeps the keywords that start with the typed text and chooses the first of them.
void HelpViewer::keywordTextChanged(const QString &text)
{
    m_keywordList->clear();
    m_keywordList->addItems(m_index.keywordsStartingWith(text));
    m_keywordList->setCurrentRow(m_keywordList->count() > 0 ? 0 : -1);
}

void HelpViewer::keywordRowChanged(int row)
{
    m_topicList->clear();
    if (row < 0)
        return;
    for (const HelpIndex::Page &page : m_index.pagesFor(m_keywordList->item(row)->text())) {
        auto *item = new QListWidgetItem(page.title, m_topicList);
        item->setData(Qt::UserRole, page.file);
    }
    m_topicList->setCurrentRow(0);
}

void HelpViewer::showChosenTopic()
{
    const QListWidgetItem *topic = m_topicList->currentItem();
    if (topic)
        openPage(topic->data(Qt::UserRole).toString());
}

void HelpViewer::updateCaption()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? captionBase : captionBase + QStringLiteral(" – ") + title);
    // A screen reader tells the page's title when a link leads there.
    m_browser->setAccessibleName(title.isEmpty() ? QStringLiteral("Page d'aide")
                                                 : QStringLiteral("Page d'aide : ") + title);
}
