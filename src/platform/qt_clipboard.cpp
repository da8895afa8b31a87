#include "qt_clipboard.h"

#include <QClipboard>
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

}  // namespace chromadeck::platform
