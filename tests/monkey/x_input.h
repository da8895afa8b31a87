// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <X11/Xlib.h>
#include <map>
#include <string>
#include <vector>

namespace monkey {

// Fake mouse and keyboard through XTest, as a user's hands would send them.
// Text in any writing goes through spare keycodes that are given the
// character's keysym just before the press, the way xdotool types.
class XInput {
  public:
    explicit XInput(Display* display);

    void moveTo(int x, int y);
    void press(unsigned int button);
    void release(unsigned int button);
    void click(unsigned int button);
    // A move of the pointer from where it is to (x, y) in `steps` steps.
    void glide(int x, int y, int steps);

    // A key by keysym, with any of "ctrl", "shift", "alt" held around it;
    // false when the keyboard has no such key.
    bool key(KeySym keysym, const std::vector<KeySym>& modifiers = {});
    // Holds a modifier down (true) or lets it go (false).
    void hold(KeySym keysym, bool down);
    // Types the characters one after another.
    void type(const std::u32string& text);

    // Fake events sent so far: each press, release and motion.
    long eventsSent() const { return events_; }

  private:
    struct KeyPlace {
        KeyCode code;
        bool shifted;
    };
    void tap(KeyCode code, bool shifted);
    void typeOne(char32_t character);
    void pause(int milliseconds);

    Display* display_;
    int pointerX_ = 0;
    int pointerY_ = 0;
    long events_ = 0;
    // The keyboard as it was at the start: keysym -> where it sits. Built once,
    // so the spare keycodes' changing symbols never enter it.
    std::map<KeySym, KeyPlace> keymap_;
    KeyCode shift_ = 0;
    std::vector<KeyCode> spare_;
    std::size_t nextSpare_ = 0;
    int symbolsPerCode_ = 1;
};

}  // namespace monkey
