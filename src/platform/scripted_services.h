// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clipboard.h"
#include "cursors.h"
#include "desktop.h"
#include "dialog_backend.h"
#include "message_box.h"
#include "screen.h"
#include "services.h"

#include <QUrl>
#include <deque>
#include <vector>

namespace chromadeck::platform {

// Dialogs that answer from queues a test fills: one queue per kind, used front first.
// std::nullopt in a queue is the user pressing Cancel; an empty queue cancels too, so a
// test that forgot an answer sees the careful path, not a made-up file.
class ScriptedDialogs : public DialogBackend {
  public:
    enum class Kind { Open, Save, Color, Font };

    // What a window asked with, in the order it asked.
    struct Request {
        Kind kind = Kind::Open;
        FileRequest file;  // open and save
        QColor color;      // colour: the colour the dialog started with
        FontChoice font;   // font: the font the dialog started with
        QWidget* parent = nullptr;
    };

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::vector<Request> requests;

    // Whether every queued answer has been used.
    bool allAnswered() const;

    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QColor> color(const QColor& initial, QWidget* parent) override;
    std::optional<FontChoice> font(const FontChoice& initial, QWidget* parent) override;
};

class RecordingMessageBox : public MessageBox {
  public:
    struct Message {
        QWidget* parent = nullptr;
        QString title;
        QString text;
        MessageIcon icon = MessageIcon::None;
    };

    std::vector<Message> messages;

    void show(QWidget* parent, const QString& title, const QString& text,
              MessageIcon icon) override;
};

// A screen of a chosen size and contents. The pointer codes still go through
// ScreenCursor, so the application's override cursor really changes.
class ScriptedScreen : public Screen {
  public:
    QSize size{1920, 1080};
    QPoint position;  // the top-left corner in the virtual desktop
    // The part windows may take; unset, the whole screen.
    std::optional<QRect> available;
    QPoint cursor;
    // What grab() hands out, its devicePixelRatio() included (a dense screen's picture
    // is larger than `size`); unset, a white picture of `size`.
    std::optional<QImage> picture;
    // Set to make grab() fail as on a platform that keeps the screen to itself.
    bool refuseGrab = false;
    QString refusal;  // the reason a refused grab gives

    int grabCount = 0;
    std::vector<CursorCode> pointerCodes;  // every code set, in order

    QRect geometry() const override { return QRect(position, size); }
    QRect availableGeometry() const override { return available.value_or(geometry()); }
    std::optional<QImage> grab() override;
    QString grabRefusal() const override { return refuseGrab ? refusal : QString(); }
    QPoint cursorPos() const override { return cursor; }
    void setMousePointer(CursorCode code) override;
    CursorCode MousePointer() const override { return cursor_.code(); }

  private:
    ScreenCursor cursor_;
};

class RecordingDesktop : public Desktop {
  public:
    std::vector<QUrl> urls;
    bool answer = true;  // what openUrl reports

    bool openUrl(const QUrl& url) override;
};

// A clipboard of its own, so tests see exactly what a window put there and never touch
// the user's clipboard.
class RecordingClipboard : public Clipboard {
  public:
    QImage picture;              // what it holds now; a test may put something there first
    std::vector<QImage> copies;  // every picture put on it, in order
    int clears = 0;

    void setImage(const QImage& image) override;
    QImage image() const override { return picture; }
    void clear() override;
};

// One of each, for building a window in a test.
class ScriptedServices {
  public:
    ScriptedServices() = default;
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    ScriptedDialogs dialogs;
    RecordingMessageBox messages;
    ScriptedScreen screen;
    RecordingDesktop desktop;
    RecordingClipboard clipboard;

    Services services();
};

}  // namespace chromadeck::platform
