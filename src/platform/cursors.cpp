// SPDX-License-Identifier: GPL-3.0-or-later
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

Qt::CursorShape cursorShapeForCode(CursorCode code) {
    switch (code) {
        case CursorCode::Cross:
            return Qt::CrossCursor;
        case CursorCode::IBeam:
            return Qt::IBeamCursor;
        case CursorCode::SizeAll:
            return Qt::SizeAllCursor;
        case CursorCode::SizeNESW:
            return Qt::SizeBDiagCursor;
        case CursorCode::SizeNS:
            return Qt::SizeVerCursor;
        case CursorCode::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case CursorCode::SizeWE:
            return Qt::SizeHorCursor;
        case CursorCode::Hourglass:
            return Qt::WaitCursor;
        default:  // Default, Arrow and every code we do not know
            return Qt::ArrowCursor;
    }
}

void applyMousePointer(QWidget* widget, CursorCode code) {
    if (!widget) return;
    if (code == CursorCode::Default) {
        widget->unsetCursor();
    } else {
        widget->setCursor(cursorShapeForCode(code));
    }
}

ScreenCursor::~ScreenCursor() {
    set(CursorCode::Default);
}

void ScreenCursor::set(CursorCode code) {
    const bool gui = haveGuiApplication();
    if (code == CursorCode::Default) {
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
