#include "about_page.h"

#include <QCoreApplication>
#include <QDir>

#ifndef CHROMADECK_ABOUT_URL
#define CHROMADECK_ABOUT_URL ""
#endif

namespace chromadeck::app {

QUrl aboutAddress(const QString& configured, const QString& programFolder) {
    const QString address = configured.trimmed();
    if (!address.isEmpty()) return QUrl::fromUserInput(address);
    return QUrl::fromLocalFile(QDir(programFolder).filePath(QStringLiteral("about.html")));
}

QUrl configuredAboutAddress() {
    return aboutAddress(QString::fromUtf8(CHROMADECK_ABOUT_URL),
                        QCoreApplication::applicationDirPath());
}

}  // namespace chromadeck::app
