// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QSet>

namespace chromadeck::app {

namespace {

constexpr char kVersionText[] =
    "Chromadeck 2.0\n"
    "Copyright (C) 2026 The Chromadeck developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// The options QApplication takes for itself, so that they never count as unknown.
const QSet<QString>& toolkitOptionsWithValue() {
    static const QSet<QString> options{
        QStringLiteral("-platform"),
        QStringLiteral("-platformpluginpath"),
        QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"),
        QStringLiteral("-qwindowgeometry"),
        QStringLiteral("-qwindowtitle"),
        QStringLiteral("-qwindowicon"),
        QStringLiteral("-display"),
        QStringLiteral("-geometry"),
        QStringLiteral("-style"),
        QStringLiteral("-stylesheet"),
        QStringLiteral("-session"),
        QStringLiteral("-name"),
        QStringLiteral("-title"),
    };
    return options;
}

const QSet<QString>& toolkitFlags() {
    static const QSet<QString> flags{QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                                     QStringLiteral("-sync"), QStringLiteral("-nograb"),
                                     QStringLiteral("-dograb")};
    return flags;
}

// Our arguments: the program name first, without the window system's options.
QStringList withoutToolkitOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && toolkitOptionsWithValue().contains(argument) && i + 1 < arguments.size())
            ++i;
        else if (i == 0 || !toolkitFlags().contains(argument))
            ours << argument;
    }
    return ours;
}

CommandLine refuse(const QString& why, const QCommandLineParser& parser) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = QStringLiteral("chromadeck: %1\n\n%2").arg(why, parser.helpText());
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    const QStringList ours = withoutToolkitOptions(arguments);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws rings, boxes and bars of random colours, and captures the screen."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and the licence, and exit."));
    const QCommandLineOption capture(
        QStringLiteral("capture"),
        QStringLiteral("Open the screen capture straight away, without the main window; the "
                       "program ends with the capture (or, after a copy, once another "
                       "program takes the clipboard over)."));
    const QCommandLineOption delay(
        QStringLiteral("delay"),
        QStringLiteral("With --capture: wait this many whole seconds (0 to %1) before the "
                       "screen is grabbed.")
            .arg(kLongestDelaySeconds),
        QStringLiteral("SECONDS"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("Show the windows in English (en) or Chinese (zh), whatever the "
                       "locale says. Without it: Chinese in a Chinese or the C locale, "
                       "English in any other."),
        QStringLiteral("en|zh"));
    parser.addOptions({help, version, capture, delay, lang});

    if (!parser.parse(ours)) return refuse(parser.errorText(), parser);
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'")
                          .arg(parser.positionalArguments().constFirst()),
                      parser);

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Print;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Print;
        line.text = QString::fromUtf8(kVersionText);
        return line;
    }
    if (parser.isSet(lang)) {
        const QString code = parser.value(lang);
        if (code == u"en")
            line.language = InterfaceLanguage::English;
        else if (code == u"zh")
            line.language = InterfaceLanguage::Chinese;
        else
            return refuse(QStringLiteral("--lang takes en or zh, not '%1'").arg(code), parser);
    }
    if (parser.isSet(delay)) {
        if (!parser.isSet(capture))
            return refuse(QStringLiteral("--delay needs --capture"), parser);
        bool number = false;
        const int seconds = parser.value(delay).toInt(&number);
        if (!number || seconds < 0 || seconds > kLongestDelaySeconds)
            return refuse(QStringLiteral("--delay takes whole seconds from 0 to %1, not '%2'")
                              .arg(kLongestDelaySeconds)
                              .arg(parser.value(delay)),
                          parser);
        line.delaySeconds = seconds;
    }
    if (parser.isSet(capture)) line.action = CommandLine::Action::Capture;
    return line;
}

}  // namespace chromadeck::app
