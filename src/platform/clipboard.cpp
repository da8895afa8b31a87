#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace chromadeck::platform {

void ClipboardSetImage(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

QImage ClipboardImage() {
    return QGuiApplication::clipboard()->image();
}

void ClipboardClear() {
    QGuiApplication::clipboard()->clear();
}

}  // namespace chromadeck::platform
