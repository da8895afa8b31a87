// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef CHROMADECK_ABOUT_URL
#define CHROMADECK_ABOUT_URL ""
#endif
// The installed data folder as seen from the installed program's folder.
#ifndef CHROMADECK_DATA_FROM_PROGRAM
#define CHROMADECK_DATA_FROM_PROGRAM "../share/chromadeck"
#endif

namespace chromadeck::app {

QUrl aboutAddress(const QString& configured, const QString& programFolder) {
    const QString address = configured.trimmed();
    if (!address.isEmpty()) return QUrl::fromUserInput(address);
    const QString page = QStringLiteral("about.html");
    const QString beside = QDir(programFolder).filePath(page);
    const QString installed = QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(CHROMADECK_DATA_FROM_PROGRAM) + u'/' + page));
    const bool onlyInstalled = !QFileInfo::exists(beside) && QFileInfo::exists(installed);
    return QUrl::fromLocalFile(onlyInstalled ? installed : beside);
}

QUrl configuredAboutAddress() {
    return aboutAddress(QString::fromUtf8(CHROMADECK_ABOUT_URL),
                        QCoreApplication::applicationDirPath());
}

}  // namespace chromadeck::app
