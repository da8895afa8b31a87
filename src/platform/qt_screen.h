// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cursors.h"
#include "desktop_session.h"
#include "portal_screenshot.h"
#include "screen.h"

#include <chrono>

class QScreen;

namespace chromadeck::platform {

// How the screen is read: the session picks the way; the portal's bus and answer time can
// be chosen, so tests can stand a portal of their own on a private bus.
struct GrabRoute {
    DesktopSession session = CurrentDesktopSession();
    QString portalBus;  // a named connection; empty for the session bus
    std::chrono::milliseconds portalAnswerTime = kPortalAnswerTime;
};

// The primary screen of the running window system.
class QtScreen : public Screen {
  public:
    explicit QtScreen(GrabRoute route = {}) : route_(std::move(route)) {}

    QRect geometry() const override;
    QRect availableGeometry() const override;
    // The whole primary screen at its device pixels, wherever it lies in the virtual
    // desktop. Under X11 an X grab; under Wayland the desktop portal, then an XWayland grab.
    // Nothing when neither gives a picture, or when a Wayland session hands out an
    // all-black one.
    std::optional<QImage> grab() override;
    QString grabRefusal() const override { return refusal_; }
    QPoint cursorPos() const override;
    void setMousePointer(CursorCode code) override { cursor_.set(code); }
    CursorCode MousePointer() const override { return cursor_.code(); }

  private:
    std::optional<QImage> grabWayland(QScreen& screen);

    GrabRoute route_;
    QString refusal_;
    ScreenCursor cursor_;
};

}  // namespace chromadeck::platform
