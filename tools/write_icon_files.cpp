// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into an icon-theme tree for installing:
//   write_icon_files OUT_FOLDER ICON_NAME
// gives OUT_FOLDER/hicolor/<n>x<n>/apps/ICON_NAME.png for each size and
// OUT_FOLDER/hicolor/scalable/apps/ICON_NAME.svg, all from the window icon's design.
#include "app/app_icon.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: write_icon_files OUT_FOLDER ICON_NAME\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : chromadeck::app::appIconSizes()) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = out.filePath(folder + u'/' + name + QStringLiteral(".png"));
        if (!out.mkpath(folder) || !chromadeck::app::appIconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "write_icon_files: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString folder = QStringLiteral("hicolor/scalable/apps");
    QFile svg(out.filePath(folder + u'/' + name + QStringLiteral(".svg")));
    if (!out.mkpath(folder) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(chromadeck::app::appIconSvg().toUtf8()) < 0 || !svg.flush()) {
        std::fprintf(stderr, "write_icon_files: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
