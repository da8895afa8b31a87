// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/capture_only.h"
#include "app/command_line.h"
#include "app/fonts.h"
#include "app/form1.h"
#include "app/interface_language.h"
#include "canvas/random_source.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <cstdio>

namespace {

// Read before any window exists, so that --help and --version need no display.
chromadeck::app::CommandLine readCommandLine(int argc, char* argv[]) {
    const QCoreApplication arguments(argc, argv);
    return chromadeck::app::ParseCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
    using chromadeck::app::CommandLine;
    const CommandLine line = readCommandLine(argc, argv);
    if (line.action == CommandLine::Action::Print) {
        std::fputs(line.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (line.action == CommandLine::Action::Refuse) {
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 2;
    }

    QApplication application(argc, argv);
    chromadeck::app::registerFontSubstitutions();
    // Before the first window, so that every caption is made in the language in force.
    using chromadeck::app::InterfaceTranslation;
    const InterfaceTranslation translation(
        line.language.value_or(chromadeck::app::LanguageForLocale(QLocale::system())));
    QApplication::setApplicationName(QStringLiteral("Chromadeck"));
    // Ties the windows to the installed desktop entry: its icon and name in the shell.
    QGuiApplication::setDesktopFileName(QStringLiteral(CHROMADECK_APP_ID));

    chromadeck::platform::QtServices services;
    if (line.action == CommandLine::Action::Capture)
        return chromadeck::app::RunCaptureOnly(services.services(), line.delaySeconds);

    // The one source of random colours: every window draws from it, so the same presses
    // give the same pictures from run to run.
    chromadeck::RandomSource random;
    chromadeck::Form1 form(services.services(), random);
    form.showMaximized();
    return application.exec();
}
