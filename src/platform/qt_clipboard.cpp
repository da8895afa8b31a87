// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>

namespace chromadeck::platform {

void QtClipboard::setImage(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

QImage QtClipboard::image() const {
    return QGuiApplication::clipboard()->image();
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

bool ServesClipboard() {
    return QGuiApplication::clipboard()->ownsClipboard();
}

void ServeClipboardUntilTakenOver() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QEventLoop serving;
    QObject::connect(clipboard, &QClipboard::changed, &serving, [&](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) serving.quit();
    });
    if (clipboard->ownsClipboard()) serving.exec();
}

}  // namespace chromadeck::platform
