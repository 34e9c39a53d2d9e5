// The game's options and the toolkit's, read with QCommandLineParser, and the French help built from them.
#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <algorithm>

namespace {

const QString ProgramName = QStringLiteral("orv-pendu");

// The game's own options, in the order of the help.
QList<QCommandLineOption> gameOptions()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Affiche cette aide et s'arrête.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Affiche la version et s'arrête.")},
        {QStringLiteral("complet"),
         QStringLiteral("Joue avec le dictionnaire complet, dans son propre dossier.")},
        {QStringLiteral("message"),
         QStringLiteral("Montre seulement <texte> dans une boîte d'erreur."),
         QStringLiteral("texte")},
    };
}

// The toolkit's options, which QApplication takes out of the arguments itself.
QList<QCommandLineOption> toolkitOptions()
{
    static const char *const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "name", "icon", "style",
        "stylesheet", "dialogs", "fontengine",
    };
    static const char *const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    QList<QCommandLineOption> options;
    for (const char *name : withValue)
        options.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("valeur")));
    for (const char *name : flags)
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    for (QCommandLineOption &option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <%1>").arg(option.valueName());
    return text;
}

// The unknown option as it was typed, with its dashes and without its value.
QString unknownOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        if (typed.startsWith(QLatin1Char('-')) && QStringView(typed).mid(typed.startsWith(u"--") ? 2 : 1) == name)
            return QStringLiteral("Option inconnue : %1.").arg(typed);
    }
    return QStringLiteral("Option inconnue : %1.").arg(name);
}

} // namespace

CommandLine::Request CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The toolkit's options are words after one dash (-platform); -h and -v stay the short forms.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(gameOptions());
    parser.addOptions(toolkitOptions());

    const bool parsed = parser.parse(arguments);
    // Help and version win over the rest, as in every command-line program.
    if (parser.isSet(QStringLiteral("help")))
        return {Action::Help, {}};
    if (parser.isSet(QStringLiteral("version")))
        return {Action::Version, {}};
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        return {Action::Error, unknown.isEmpty() ? QStringLiteral("Une option attend une valeur.")
                                                 : unknownOption(arguments, unknown.first())};
    }
    if (!parser.positionalArguments().isEmpty())
        return {Action::Error,
                QStringLiteral("Argument inattendu : %1.").arg(parser.positionalArguments().first())};
    if (parser.isSet(QStringLiteral("message")))
        return {Action::Message, parser.value(QStringLiteral("message"))};
    return {Action::Play, {}};
}

QString CommandLine::helpText()
{
    QString text = QStringLiteral("Utilisation : %1 [options]\n"
                                  "Jeu du pendu en français. Le jeu lit et écrit sa liste de mots (Pendu.dat)\n"
                                  "et son fichier des scores (Orvpendu.ini) dans le dossier du joueur.\n\n"
                                  "Options :\n")
                       .arg(ProgramName);
    const QList<QCommandLineOption> options = gameOptions();
    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, optionNames(option).size());
    for (const QCommandLineOption &option : options)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(option), -int(width)).arg(option.description());
    text += QStringLiteral("\nLes options de Qt sont aussi acceptées, par exemple -platform offscreen,\n"
                           "-style fusion ou -reverse.\n\n"
                           "Le lanceur orv-pendu fait jouer dans ~/.local/share/orv-pendu (ou\n"
                           "$XDG_DATA_HOME/orv-pendu), garni de la liste de mots fournie au premier\n"
                           "lancement ; avec --complet, dans son sous-dossier complet, garni du\n"
                           "dictionnaire complet. Il montre ses erreurs avec --message.\n");
    return text;
}

QString CommandLine::versionText()
{
    return QStringLiteral("Orv Pendu %1\n").arg(QStringLiteral(ORV_VERSION));
}
