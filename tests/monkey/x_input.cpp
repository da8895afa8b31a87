// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_input.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <thread>

namespace monkey {

namespace {

// Latin-1 characters are their own keysyms; every other character has the
// Unicode keysym 0x1000000 + code point.
KeySym KeysymOf(char32_t character) {
    if ((character >= 0x20 && character <= 0x7E) || (character >= 0xA0 && character <= 0xFF))
        return character;
    return 0x1000000 + character;
}

}  // namespace

XInput::XInput(Display* display) : display_(display) {
    if (!display_) return;
    int first = 0, last = 0;
    XDisplayKeycodes(display_, &first, &last);
    const int count = last - first + 1;
    KeySym* symbols =
        XGetKeyboardMapping(display_, static_cast<KeyCode>(first), count, &symbolsPerCode_);
    if (!symbols) return;
    // Unshifted places first, so 'a' is found without Shift even where a
    // later key also carries it shifted.
    for (int level = 0; level < 2 && level < symbolsPerCode_; ++level) {
        for (int i = 0; i < count; ++i) {
            const KeySym symbol = symbols[i * symbolsPerCode_ + level];
            if (symbol != NoSymbol && !keymap_.count(symbol))
                keymap_[symbol] = {static_cast<KeyCode>(first + i), level == 1};
        }
    }
    for (int i = 0; i < count; ++i) {
        bool empty = true;
        for (int level = 0; level < symbolsPerCode_; ++level)
            empty = empty && symbols[i * symbolsPerCode_ + level] == NoSymbol;
        if (empty) spare_.push_back(static_cast<KeyCode>(first + i));
    }
    XFree(symbols);
    if (auto place = keymap_.find(XK_Shift_L); place != keymap_.end()) shift_ = place->second.code;
}

void XInput::pause(int milliseconds) {
    XFlush(display_);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void XInput::moveTo(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    pointerX_ = x;
    pointerY_ = y;
    ++events_;
    XFlush(display_);
}

void XInput::press(unsigned int button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    ++events_;
    XFlush(display_);
}

void XInput::release(unsigned int button) {
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    ++events_;
    XFlush(display_);
}

void XInput::click(unsigned int button) {
    press(button);
    pause(10);
    release(button);
}

void XInput::glide(int x, int y, int steps) {
    const int fromX = pointerX_, fromY = pointerY_;
    for (int i = 1; i <= steps; ++i) {
        moveTo(fromX + (x - fromX) * i / steps, fromY + (y - fromY) * i / steps);
        pause(8);
    }
}

void XInput::tap(KeyCode code, bool shifted) {
    if (shifted && shift_) XTestFakeKeyEvent(display_, shift_, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shifted && shift_) XTestFakeKeyEvent(display_, shift_, False, CurrentTime);
    events_ += shifted ? 4 : 2;
    XFlush(display_);
}

bool XInput::key(KeySym keysym, const std::vector<KeySym>& modifiers) {
    const auto place = keymap_.find(keysym);
    if (place == keymap_.end()) return false;
    std::vector<KeyCode> held;
    for (KeySym modifier : modifiers) {
        if (auto m = keymap_.find(modifier); m != keymap_.end()) held.push_back(m->second.code);
    }
    for (KeyCode code : held) XTestFakeKeyEvent(display_, code, True, CurrentTime);
    tap(place->second.code, place->second.shifted && held.empty());
    for (auto code = held.rbegin(); code != held.rend(); ++code)
        XTestFakeKeyEvent(display_, *code, False, CurrentTime);
    events_ += 2 * static_cast<long>(held.size());
    XFlush(display_);
    return true;
}

void XInput::hold(KeySym keysym, bool down) {
    const auto place = keymap_.find(keysym);
    if (place == keymap_.end()) return;
    XTestFakeKeyEvent(display_, place->second.code, down ? True : False, CurrentTime);
    ++events_;
    XFlush(display_);
}

void XInput::typeOne(char32_t character) {
    const KeySym keysym = KeysymOf(character);
    if (auto place = keymap_.find(keysym); place != keymap_.end()) {
        tap(place->second.code, place->second.shifted);
        return;
    }
    if (spare_.empty()) return;
    // The program reads the new symbol of a keycode when it handles the mapping
    // change, which may come after the next change; going round several spare
    // keycodes, and waiting before starting a new round, keeps each character's
    // symbol in place until its press has been read.
    if (nextSpare_ == spare_.size()) {
        XSync(display_, False);
        pause(40);
        nextSpare_ = 0;
    }
    const KeyCode code = spare_[nextSpare_++];
    std::vector<KeySym> symbols(static_cast<std::size_t>(symbolsPerCode_), keysym);
    XChangeKeyboardMapping(display_, code, symbolsPerCode_, symbols.data(), 1);
    XSync(display_, False);
    pause(2);
    tap(code, false);
}

void XInput::type(const std::u32string& text) {
    for (char32_t character : text) {
        typeOne(character);
        pause(3);
    }
}

}  // namespace monkey
