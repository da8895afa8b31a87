#include "app/fonts.h"
#include "app/form1.h"
#include "canvas/random_source.h"
#include "platform/qt_services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    chromadeck::app::registerFontSubstitutions();
    QApplication::setApplicationName(QStringLiteral("Chromadeck"));

    chromadeck::platform::QtServices services;
    // The one source of random colours: every window draws from it, so the same presses
    // give the same pictures from run to run.
    chromadeck::RandomSource random;
    chromadeck::Form1 form(services.services(), random);
    form.showMaximized();
    return application.exec();
}
