// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the game from outside, as a player would, through the X server: scripts/measure's eyes
// and hands.
//   xprobe launch NAME COMMAND...   starts COMMAND and prints the milliseconds until a window
//                                   named NAME is mapped; then ends the program
//   xprobe buzz NAME KEY X Y W H GX GY COUNT
//                                   COUNT times: presses KEY (a keysym name) through XTest and
//                                   prints the milliseconds until a pixel of the rectangle X Y W H
//                                   of the window named NAME changes; then lets the flash run out,
//                                   clicks GX GY (Give Up) and waits for the rectangle to clear;
//                                   with XPROBE_PRESSES set, also writes each press's moment
//                                   (CLOCK_MONOTONIC, in milliseconds) to the file it names
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void sleepMs(double ms)
{
    const timespec t{time_t(ms / 1000), long(ms * 1e6) % 1'000'000'000L};
    nanosleep(&t, nullptr);
}

bool named(Display* display, Window window, const char* name)
{
    char* title = nullptr;
    const bool same = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    XFree(title);
    return same;
}

// The mapped top-level window called `name`, or 0.
Window findShown(Display* display, const char* name)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            named(display, children[i], name))
            found = children[i];
    }
    XFree(children);
    return found;
}

int launch(Display* display, const char* name, char** command)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && named(display, event.xmap.window, name))
            break;
    }
    std::printf("%.1f\n", nowMs() - start);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return 0;
}

std::string pixels(Display* display, Window window, int x, int y, int w, int h)
{
    XImage* image = XGetImage(display, window, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::string bytes(image->data, std::size_t(image->bytes_per_line) * unsigned(h));
    XDestroyImage(image);
    return bytes;
}

void click(Display* display, Window window, int x, int y)
{
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

int buzz(Display* display, char** argv)
{
    const Window window = findShown(display, argv[0]);
    const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(argv[1]));
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const int giveUpX = std::atoi(argv[6]), giveUpY = std::atoi(argv[7]), count = std::atoi(argv[8]);
    if (!window || !key) {
        std::fprintf(stderr, "xprobe: no window %s or no key %s\n", argv[0], argv[1]);
        return 1;
    }
    // The presses fall at every phase of the game's poll.
    std::mt19937 generator(2026);
    std::uniform_real_distribution<double> phase(0, 10);
    const char* pressesFile = std::getenv("XPROBE_PRESSES");
    FILE* presses = pressesFile ? std::fopen(pressesFile, "w") : nullptr;
    for (int i = 0; i < count; ++i) {
        const std::string before = pixels(display, window, x, y, w, h);
        sleepMs(phase(generator));
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XFlush(display);
        const double start = nowMs();
        if (presses)
            std::fprintf(presses, "%.2f\n", start);
        double seen = -1;
        while (nowMs() - start < 1000) {
            if (pixels(display, window, x, y, w, h) != before) {
                seen = nowMs() - start;
                break;
            }
        }
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XFlush(display);
        if (seen < 0) {
            std::fprintf(stderr, "xprobe: the panel did not change within a second of the buzz\n");
            return 1;
        }
        std::printf("%.2f\n", seen);
        std::fflush(stdout);
        sleepMs(300);  // the buzz flash runs out
        click(display, window, giveUpX, giveUpY);
        for (const double clicked = nowMs(); pixels(display, window, x, y, w, h) != before;) {
            if (nowMs() - clicked > 2000) {
                std::fprintf(stderr, "xprobe: Give Up did not clear the panel\n");
                return 1;
            }
            sleepMs(5);
        }
        sleepMs(50);
    }
    if (presses)
        std::fclose(presses);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xprobe: no X display\n");
        return 1;
    }
    if (argc >= 4 && std::strcmp(argv[1], "launch") == 0)
        return launch(display, argv[2], argv + 3);
    if (argc == 11 && std::strcmp(argv[1], "buzz") == 0)
        return buzz(display, argv + 2);
    std::fprintf(stderr, "usage: xprobe launch NAME COMMAND... | xprobe buzz NAME KEY X Y W H GX GY COUNT\n");
    return 2;
}
