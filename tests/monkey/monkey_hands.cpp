// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_hands.h"

#include "typed_text.h"

#include <X11/keysym.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <thread>

namespace monkey {

namespace {

// Keys a user reaches for: leaving and confirming, moving between and inside
// fields, function keys; letters come with Ctrl, Ctrl+Shift or Alt.
constexpr std::array<KeySym, 31> kPlainKeys = {
    XK_Escape,    XK_Return, XK_KP_Enter,  XK_Tab,  XK_ISO_Left_Tab, XK_Up,        XK_Down,
    XK_Left,      XK_Right,  XK_Home,      XK_End,  XK_Page_Up,      XK_Page_Down, XK_space,
    XK_BackSpace, XK_Delete, XK_Insert,    XK_Menu, XK_F1,           XK_F2,        XK_F3,
    XK_F4,        XK_F5,     XK_F6,        XK_F7,   XK_F8,           XK_F9,        XK_F10,
    XK_F11,       XK_F12,    XK_KP_Delete,
};

std::string Short(const std::string& text, std::size_t most) {
    if (text.size() <= most) return text;
    std::size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

void Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

MonkeyHands::MonkeyHands(XSession& session, XInput& input, SeededRandom& random,
                         std::vector<Spot> spots)
    : session_(session), input_(input), random_(random), spots_(std::move(spots)) {}

void MonkeyHands::newRun() {
    main_ = 0;
    lastTop_ = 0;
    turnsOnTop_ = 0;
}

std::string MonkeyHands::describe(const ProgramWindow& window) const {
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", window.id);
    const std::string kind = window.id == main_ ? "main" : window.popup ? "popup" : "window";
    return kind + " " + id + " '" + Short(window.title, 24) + "'";
}

MonkeyHands::Point MonkeyHands::anywhere() {
    return {static_cast<int>(random_.below(session_.screenWidth())),
            static_cast<int>(random_.below(session_.screenHeight()))};
}

MonkeyHands::Point MonkeyHands::pointIn(const ProgramWindow& window) {
    const int w = std::max(window.width, 1), h = std::max(window.height, 1);
    int x = static_cast<int>(random_.below(w)), y = static_cast<int>(random_.below(h));
    // Menu bars, toolbars, panels and dialog buttons sit along the edges.
    switch (random_.below(8)) {
        case 0:
            y = static_cast<int>(random_.below(std::min(h, 32)));
            break;
        case 1:
            x = static_cast<int>(random_.below(std::min(w, 140)));
            break;
        case 2:
            y = h - 1 - static_cast<int>(random_.below(std::min(h, 48)));
            break;
        default:
            break;
    }
    return {window.x + x, window.y + y};
}

std::string MonkeyHands::click(const ProgramWindow& window, unsigned int button, int times) {
    const Point p = pointIn(window);
    input_.moveTo(p.x, p.y);
    for (int i = 0; i < times; ++i) {
        if (i > 0) Pause(40);  // well inside any double-click interval
        input_.click(button);
    }
    return (times == 2 ? "double click " : "click ") + std::to_string(button) + " at " +
           std::to_string(p.x) + "," + std::to_string(p.y) + " on " + describe(window);
}

std::string MonkeyHands::drag(const ProgramWindow& window) {
    const unsigned int button = random_.percent(85) ? 1 : 3;
    const Point from = pointIn(window);
    const Point to = random_.percent(75) ? pointIn(window) : anywhere();
    input_.moveTo(from.x, from.y);
    input_.press(button);
    input_.glide(to.x, to.y, static_cast<int>(random_.between(2, 25)));
    input_.release(button);
    return "drag " + std::to_string(button) + " from " + std::to_string(from.x) + "," +
           std::to_string(from.y) + " to " + std::to_string(to.x) + "," + std::to_string(to.y) +
           " on " + describe(window);
}

std::string MonkeyHands::wheel(const ProgramWindow& window) {
    const Point p = pointIn(window);
    const unsigned int button = 4 + static_cast<unsigned int>(random_.below(4));
    const long turns = random_.between(1, 8);
    const bool zoom = random_.percent(15);
    input_.moveTo(p.x, p.y);
    if (zoom) input_.hold(XK_Control_L, true);
    for (long i = 0; i < turns; ++i) input_.click(button);
    if (zoom) input_.hold(XK_Control_L, false);
    return std::string(zoom ? "Ctrl+" : "") + "wheel " + std::to_string(button) + " x" +
           std::to_string(turns) + " at " + std::to_string(p.x) + "," + std::to_string(p.y) +
           " on " + describe(window);
}

std::string MonkeyHands::hover(const ProgramWindow& window) {
    const Point p = pointIn(window);
    input_.glide(p.x, p.y, static_cast<int>(random_.between(1, 10)));
    return "hover to " + std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string MonkeyHands::pressKey(const ProgramWindow& window) {
    // Keys go where the pointer is while nobody manages the focus.
    const Point p = pointIn(window);
    input_.moveTo(p.x, p.y);
    const int kind = static_cast<int>(random_.below(10));
    if (kind < 6) {
        const KeySym key = kPlainKeys[random_.below(kPlainKeys.size())];
        const bool shift = random_.percent(15);
        input_.key(key, shift ? std::vector<KeySym>{XK_Shift_L} : std::vector<KeySym>{});
        return std::string("key ") + (shift ? "Shift+" : "") + XKeysymToString(key) + " on " +
               describe(window);
    }
    const KeySym letter = XK_a + static_cast<KeySym>(random_.below(26));
    std::vector<KeySym> held;
    std::string name;
    if (kind < 8) {
        held = {XK_Control_L};
        name = "Ctrl+";
    } else if (kind < 9) {
        held = {XK_Control_L, XK_Shift_L};
        name = "Ctrl+Shift+";
    } else {
        held = {XK_Alt_L};
        name = "Alt+";
    }
    input_.key(letter, held);
    return "key " + name + XKeysymToString(letter) + " on " + describe(window);
}

std::string MonkeyHands::typeText(const ProgramWindow& window) {
    const Point p = pointIn(window);
    input_.moveTo(p.x, p.y);
    if (random_.percent(50)) input_.click(1);  // into a field, often enough
    const std::u32string text = RandomText(random_);
    input_.type(text);
    std::string then;
    if (random_.percent(30)) {
        const KeySym after = random_.percent(60) ? XK_Return : XK_Tab;
        input_.key(after);
        then = std::string(" then ") + XKeysymToString(after);
    }
    return "type " + std::to_string(text.size()) + " characters \"" + Short(Utf8(text), 60) + "\"" +
           then + " at " + std::to_string(p.x) + "," + std::to_string(p.y) + " on " +
           describe(window);
}

std::optional<std::string> MonkeyHands::clickSpot(const std::vector<ProgramWindow>& windows) {
    if (spots_.empty()) return std::nullopt;
    const Spot& spot = spots_[random_.below(spots_.size())];
    // Only on the window on top: on one covered by another the click would land
    // on whatever covers the spot.
    const auto top = std::find_if(windows.rbegin(), windows.rend(),
                                  [](const ProgramWindow& window) { return !window.popup; });
    if (top == windows.rend() || top->title.rfind(spot.title, 0) != 0) return std::nullopt;
    input_.moveTo(top->x + spot.x, top->y + spot.y);
    input_.click(1);
    return "click spot " + std::to_string(spot.x) + "," + std::to_string(spot.y) + " on " +
           describe(*top);
}

std::string MonkeyHands::answer(const ProgramWindow& window) {
    const int how = static_cast<int>(random_.below(10));
    if (how < 5) {
        input_.key(XK_Escape);
        return "answer Escape on " + describe(window);
    }
    if (how < 8) {
        input_.key(XK_Return);
        return "answer Return on " + describe(window);
    }
    session_.askToClose(window.id);
    return "answer close on " + describe(window);
}

std::string MonkeyHands::actAsWindowManager(const std::vector<ProgramWindow>& windows) {
    std::vector<const ProgramWindow*> managed;
    for (const auto& window : windows)
        if (!window.popup) managed.push_back(&window);
    if (managed.empty()) return "nothing to manage";
    const ProgramWindow& window = *managed[random_.below(managed.size())];
    switch (random_.below(8)) {
        case 0:
        case 1:
        case 2:
            session_.raise(window.id);
            return "raise " + describe(window);
        case 3:
            // Closing the main window ends the run; rarely, so most time goes to using it.
            if (window.id == main_ && !random_.percent(10)) return "keep main window open";
            session_.askToClose(window.id);
            return "close " + describe(window);
        case 4:
            session_.moveResize(window.id, 0, 0, session_.screenWidth(), session_.screenHeight());
            return "maximise " + describe(window);
        default: {
            const int w = static_cast<int>(random_.between(1, session_.screenWidth()));
            const int h = static_cast<int>(random_.between(1, session_.screenHeight()));
            const int x = static_cast<int>(random_.below(session_.screenWidth() - w + 1));
            const int y = static_cast<int>(random_.below(session_.screenHeight() - h + 1));
            session_.moveResize(window.id, x, y, w, h);
            return "resize " + describe(window) + " to " + std::to_string(w) + "x" +
                   std::to_string(h) + "+" + std::to_string(x) + "+" + std::to_string(y);
        }
    }
}

std::string MonkeyHands::unstick(const ProgramWindow& top) {
    if (turnsOnTop_ < 260) {
        input_.key(XK_Escape);
        return "Escape on " + describe(top) + ", on top for " + std::to_string(turnsOnTop_);
    }
    session_.askToClose(top.id);
    if (turnsOnTop_ > 300 && main_) session_.raise(main_);
    return "close " + describe(top) + ", on top for " + std::to_string(turnsOnTop_);
}

std::string MonkeyHands::act(const std::vector<ProgramWindow>& all) {
    std::vector<ProgramWindow> windows;
    for (const auto& window : all)
        if (!window.tooltip) windows.push_back(window);
    if (windows.empty()) windows = all;
    if (windows.empty()) return "no window";
    if (!main_) {
        for (const auto& window : windows)
            if (!window.popup && window.pingable) main_ = window.id;
        // Nobody maximises the window on a bare X server; half the runs do it
        // themselves, the other half use the window at its own size.
        if (main_ && random_.percent(50)) {
            session_.moveResize(main_, 0, 0, session_.screenWidth(), session_.screenHeight());
            return "maximise the main window";
        }
    }

    const ProgramWindow& top = windows.back();
    turnsOnTop_ = top.id == lastTop_ ? turnsOnTop_ + 1 : 0;
    lastTop_ = top.id;
    if (top.id != main_ && turnsOnTop_ > 200 && turnsOnTop_ % 20 == 0) return unstick(top);
    if (top.id != main_ && random_.percent(4)) return answer(top);

    const ProgramWindow& target =
        random_.percent(75) ? top : windows[random_.below(windows.size())];
    enum { Click, Double, Right, Middle, Drag, Wheel, Hover, Key, Type, SpotClick, Manage };
    switch (random_.weighted({26, 5, 5, 1, 14, 5, 3, 16, 12, 6, 3})) {
        case Click:
            return click(target, 1, 1);
        case Double:
            return click(target, 1, 2);
        case Right:
            return click(target, 3, 1);
        case Middle:
            return click(target, 2, 1);
        case Drag:
            return drag(target);
        case Wheel:
            return wheel(target);
        case Hover:
            return hover(target);
        case Key:
            return pressKey(target);
        case Type:
            return typeText(target);
        case SpotClick:
            if (auto done = clickSpot(windows)) return *done;
            return click(target, 1, 1);
        default:
            return actAsWindowManager(windows);
    }
}

}  // namespace monkey
