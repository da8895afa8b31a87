// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <chrono>
#include <optional>

namespace chromadeck::platform {

// Why the desktop portal gave no picture.
enum class PortalRefusal {
    None,        // there is a picture
    NotThere,    // no portal answers on the bus
    Cancelled,   // the portal (or the user, through it) cancelled
    Declined,    // the portal answered with another failure
    NoAnswer,    // the call went out but no answer came in time
    Unreadable,  // the answer named no picture the program can read
};

struct PortalShot {
    std::optional<QImage> picture;  // a null image when the memory for it cannot be had
    PortalRefusal refusal = PortalRefusal::None;
    QString detail;  // the bus's or the picture reader's own words, where there are any

    // The reason in words for the user; empty when there is a picture.
    QString reason() const;
};

// The portal asks the user when it must; the answer may take a while, but not forever.
inline constexpr std::chrono::milliseconds kPortalAnswerTime{30'000};

// The whole desktop through the desktop portal (org.freedesktop.portal.Screenshot), the
// one way a Wayland compositor hands the screen to a program. The portal writes the
// picture to a file in the user's folders; it is read and removed at once, so captures
// leave no screenshots behind.
class PortalScreenshot {
  public:
    // `busName` names a connection already made (QDBusConnection::connectToBus); empty
    // means the session bus.
    explicit PortalScreenshot(QString busName = {},
                              std::chrono::milliseconds answerTime = kPortalAnswerTime);

    // Waits for the portal in a local event loop that lets no user input through, so the
    // program cannot be worked while the desktop is being read.
    PortalShot take() const;

  private:
    QString busName_;
    std::chrono::milliseconds answerTime_;
};

}  // namespace chromadeck::platform
