// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in program for testing the monkey itself: one X window that answers
// _NET_WM_PING like a live program, and after a while shows one fault on purpose.
//
//   fault_window MODE SECONDS
//
// MODE after SECONDS: "none" (keeps answering), "hang" (stops answering), "crash"
// (aborts), "report" (prints a sanitizer report line, answers a second longer and
// ends with status 0), "exit" (ends with status 0), "fail" (ends with status 3).
// Closing the window ends it with 0. It prints its process id first.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

// Ends with the display closed, so a sanitizer build reports no leak of its own.
int End(Display* display, int status) {
    XCloseDisplay(display);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fault_window none|hang|crash|report|exit|fail SECONDS\n");
        return 2;
    }
    const std::string mode = argv[1];
    const double seconds = std::atof(argv[2]);
    std::fprintf(stderr, "fault_window pid %d\n", static_cast<int>(getpid()));
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;

    const Window root = DefaultRootWindow(display);
    const Window window = XCreateSimpleWindow(display, root, 100, 100, 400, 300, 0, 0, 0xFFFFFF);
    Atom protocols[2] = {XInternAtom(display, "WM_DELETE_WINDOW", False),
                         XInternAtom(display, "_NET_WM_PING", False)};
    XSetWMProtocols(display, window, protocols, 2);
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    const char title[] = "fault window";
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title), std::strlen(title));
    XSelectInput(display, window, ButtonPressMask | KeyPressMask);
    XMapWindow(display, window);
    XFlush(display);

    const auto fault = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    bool reported = false;
    for (;;) {
        if (mode != "none" && std::chrono::steady_clock::now() >= fault) {
            if (mode == "hang") std::this_thread::sleep_for(std::chrono::hours(1));
            if (mode == "crash") std::abort();
            if (mode == "exit") return End(display, 0);
            if (mode == "fail") return End(display, 3);
            if (mode == "report" && !reported) {
                std::fprintf(stderr, "==1==ERROR: AddressSanitizer: heap-use-after-free\n");
                reported = true;
            }
            if (mode == "report" &&
                std::chrono::steady_clock::now() >= fault + std::chrono::seconds(1))
                return End(display, 0);
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != ClientMessage) continue;
            if (static_cast<Atom>(event.xclient.data.l[0]) == protocols[0]) return End(display, 0);
            if (static_cast<Atom>(event.xclient.data.l[0]) == protocols[1]) {
                event.xclient.window = root;
                XSendEvent(display, root, False, SubstructureNotifyMask | SubstructureRedirectMask,
                           &event);
                XFlush(display);
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        ::poll(&connection, 1, 50);
    }
}
