// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <chrono>

namespace monkey {

namespace {

// Windows come and go between asking for the list and using it; a request
// about one that has gone is an ordinary event here, not a reason to stop.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

using Clock = std::chrono::steady_clock;

}  // namespace

XSession::XSession() {
    display_ = XOpenDisplay(nullptr);
    if (!display_) return;
    XSetErrorHandler(IgnoreXErrors);
    root_ = DefaultRootWindow(display_);
    wmProtocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
    wmDelete_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    netWmPing_ = XInternAtom(display_, "_NET_WM_PING", False);
    netWmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
    netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
    utf8String_ = XInternAtom(display_, "UTF8_STRING", False);
    netWmWindowType_ = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
    typeTooltip_ = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    // Ping replies come back as client messages sent to the root with these masks.
    XSelectInput(display_, root_, SubstructureNotifyMask | StructureNotifyMask);
    XSync(display_, False);
}

XSession::~XSession() {
    if (display_) XCloseDisplay(display_);
}

int XSession::screenWidth() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}
int XSession::screenHeight() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

std::vector<ProgramWindow> XSession::windows(pid_t pid) {
    std::vector<ProgramWindow> found;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, root_, &rootReturn, &parent, &children, &count)) return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, children[i], &attributes)) continue;
        if (attributes.map_state != IsViewable || attributes.c_class == InputOnly) continue;

        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        bool ours = true;
        if (XGetWindowProperty(display_, children[i], netWmPid_, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) == Success &&
            data) {
            if (format == 32 && items == 1)
                ours = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
            XFree(data);
        }
        if (!ours) continue;

        ProgramWindow window;
        window.id = children[i];
        window.x = attributes.x;
        window.y = attributes.y;
        window.width = attributes.width;
        window.height = attributes.height;
        window.popup = attributes.override_redirect;
        window.tooltip = hasAtom(children[i], netWmWindowType_, typeTooltip_);
        window.pingable = hasAtom(children[i], wmProtocols_, netWmPing_);
        window.title = titleOf(children[i]);
        found.push_back(window);
    }
    if (children) XFree(children);
    return found;
}

bool XSession::hasAtom(Window window, Atom property, Atom wanted) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    bool has = false;
    if (XGetWindowProperty(display_, window, property, 0, 64, False, XA_ATOM, &type, &format,
                           &items, &after, &data) == Success &&
        data) {
        const auto* atoms = reinterpret_cast<Atom*>(data);
        for (unsigned long i = 0; i < items && format == 32; ++i) has = has || atoms[i] == wanted;
        XFree(data);
    }
    return has;
}

std::string XSession::titleOf(Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display_, window, netWmName_, 0, 256, False, utf8String_, &type, &format,
                           &items, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), items);
        XFree(data);
    }
    return title;
}

bool XSession::exists(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

// A WM_PROTOCOLS message, as a window manager sends them: the protocol and its two
// arguments.
void XSession::sendProtocol(Window window, Atom protocol, long first, long second) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = wmProtocols_;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = first;
    event.xclient.data.l[2] = second;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

PingAnswer XSession::ping(Window window, double seconds, const std::function<bool()>& stillThere) {
    const long stamp = ++pingStamp_;
    sendProtocol(window, netWmPing_, stamp, static_cast<long>(window));

    const auto start = Clock::now();
    const auto deadline = start + std::chrono::duration<double>(seconds);
    auto nextLook = start + std::chrono::milliseconds(500);
    for (;;) {
        while (XPending(display_)) {
            XEvent reply;
            XNextEvent(display_, &reply);
            if (reply.type == ClientMessage && reply.xclient.window == root_ &&
                reply.xclient.message_type == wmProtocols_ &&
                static_cast<Atom>(reply.xclient.data.l[0]) == netWmPing_ &&
                reply.xclient.data.l[1] == stamp)
                return PingAnswer::Answered;
        }
        const auto now = Clock::now();
        if (now >= deadline) return PingAnswer::Silent;
        if (now >= nextLook) {
            if (!stillThere() || !exists(window)) return PingAnswer::WindowGone;
            nextLook = now + std::chrono::milliseconds(500);
        }
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        ::poll(&connection, 1, 50);
    }
}

void XSession::raise(Window window) {
    XRaiseWindow(display_, window);
    XFlush(display_);
}

void XSession::askToClose(Window window) {
    sendProtocol(window, wmDelete_, CurrentTime, 0);
}

void XSession::moveResize(Window window, int x, int y, int width, int height) {
    XMoveResizeWindow(display_, window, x, y, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    XFlush(display_);
}

void XSession::drain() {
    while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
    }
}

}  // namespace monkey
