#include "cursors.h"

#include <QGuiApplication>
#include <QWidget>

namespace chromadeck::platform {

namespace {

// Override cursors live on the GUI application; without one (console tools, after
// shutdown) there is nothing to push or pop.
bool haveGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

Qt::CursorShape cursorShapeForCode(int code) {
    switch (code) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case 11:
            return Qt::WaitCursor;
        default:  // 0 (default), 1 (arrow) and every code we do not know
            return Qt::ArrowCursor;
    }
}

void applyMousePointer(QWidget* widget, int code) {
    if (!widget) return;
    if (code == 0) {
        widget->unsetCursor();
    } else {
        widget->setCursor(cursorShapeForCode(code));
    }
}

ScreenCursor::~ScreenCursor() {
    set(0);
}

void ScreenCursor::set(int code) {
    const bool gui = haveGuiApplication();
    if (code == 0) {
        if (pushed_ && gui) QGuiApplication::restoreOverrideCursor();
        pushed_ = false;
    } else if (gui) {
        const QCursor cursor(cursorShapeForCode(code));
        if (pushed_) {
            QGuiApplication::changeOverrideCursor(cursor);
        } else {
            QGuiApplication::setOverrideCursor(cursor);
            pushed_ = true;
        }
    }
    code_ = code;
}

}  // namespace chromadeck::platform
