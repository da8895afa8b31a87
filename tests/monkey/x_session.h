// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>
#include <functional>
#include <string>
#include <vector>

namespace monkey {

// A top-level window of the program as the X server sees it. Without a window
// manager there is no reparenting: a child of the root is a top-level, its
// position is on the screen, and the last one in the list is on top.
struct ProgramWindow {
    Window id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool popup = false;     // override-redirect: menus, combo lists, tooltips
    bool tooltip = false;   // worth no click
    bool pingable = false;  // lists _NET_WM_PING in WM_PROTOCOLS
    std::string title;
};

enum class PingAnswer { Answered, WindowGone, Silent };

// The monkey's connection to the private X server: finds the program's
// windows, asks them whether the program still answers, and does the few
// things a window manager would (raise, close, resize).
class XSession {
  public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool connected() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    int screenWidth() const;
    int screenHeight() const;

    // Mapped top-levels whose _NET_WM_PID is `pid`, bottom to top. Windows that
    // carry no pid count too: the display is private to the program.
    std::vector<ProgramWindow> windows(pid_t pid);

    // Sends _NET_WM_PING and waits up to `seconds` for the program's reply on
    // the root window. `stillThere` is asked every half second; when it says
    // no, or the window is gone, the wait ends with WindowGone.
    PingAnswer ping(Window window, double seconds, const std::function<bool()>& stillThere);

    void raise(Window window);
    // What a window manager's close button does: WM_DELETE_WINDOW.
    void askToClose(Window window);
    void moveResize(Window window, int x, int y, int width, int height);
    // Reads whatever the server sent, so nothing piles up.
    void drain();

  private:
    void sendProtocol(Window window, Atom protocol, long first, long second);
    bool exists(Window window);
    std::string titleOf(Window window);
    bool hasAtom(Window window, Atom property, Atom wanted);

    Display* display_ = nullptr;
    Window root_ = 0;
    long pingStamp_ = 0;
    Atom wmProtocols_ = 0, wmDelete_ = 0, netWmPing_ = 0, netWmPid_ = 0, netWmName_ = 0,
         utf8String_ = 0, netWmWindowType_ = 0, typeTooltip_ = 0;
};

}  // namespace monkey
