// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_services.h"

namespace chromadeck::platform {

namespace {

template <class T>
std::optional<T> takeFront(std::deque<std::optional<T>>& queue) {
    std::optional<T> answer;
    if (queue.empty()) return answer;
    if (queue.front()) answer.emplace(std::move(*queue.front()));
    queue.pop_front();
    return answer;
}

}  // namespace

bool ScriptedDialogs::allAnswered() const {
    return openAnswers.empty() && saveAnswers.empty() && colorAnswers.empty() &&
           fontAnswers.empty();
}

std::optional<QString> ScriptedDialogs::openFile(const FileRequest& request) {
    requests.push_back({Kind::Open, request, {}, {}, request.parent});
    return takeFront(openAnswers);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileRequest& request) {
    requests.push_back({Kind::Save, request, {}, {}, request.parent});
    return takeFront(saveAnswers);
}

std::optional<QColor> ScriptedDialogs::color(const QColor& initial, QWidget* parent) {
    requests.push_back({Kind::Color, {}, initial, {}, parent});
    return takeFront(colorAnswers);
}

std::optional<FontChoice> ScriptedDialogs::font(const FontChoice& initial, QWidget* parent) {
    requests.push_back({Kind::Font, {}, {}, initial, parent});
    return takeFront(fontAnswers);
}

void RecordingMessageBox::show(QWidget* parent, const QString& title, const QString& text,
                               MessageIcon icon) {
    messages.push_back({parent, title, text, icon});
}

std::optional<QImage> ScriptedScreen::grab() {
    ++grabCount;
    if (refuseGrab) return std::nullopt;
    if (picture) return *picture;
    QImage white(size, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}

void ScriptedScreen::setMousePointer(CursorCode code) {
    pointerCodes.push_back(code);
    cursor_.set(code);
}

bool RecordingDesktop::openUrl(const QUrl& url) {
    urls.push_back(url);
    return answer;
}

void RecordingClipboard::setImage(const QImage& image) {
    picture = image;
    copies.push_back(image);
}

void RecordingClipboard::clear() {
    picture = QImage();
    ++clears;
}

Services ScriptedServices::services() {
    return Services{dialogs, messages, screen, desktop, clipboard};
}

}  // namespace chromadeck::platform
