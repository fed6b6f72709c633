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
//   xprobe phone-buzz NAME PORT ROOM X Y W H GX GY COUNT
//                                   the same with a phone's buzzer: joins the room on the
//                                   loopback's PORT as player 1 and presses by WebSocket message
//   xprobe phone-tap NAME PORT ROOM X Y W H WX WY WW WH COUNT
//                                   joins as player 1 and buzzes until the panel X Y W H changes;
//                                   then COUNT times: taps the first dealt number on the phone and
//                                   prints the milliseconds until the first working tile WX WY WW
//                                   WH changes, and taps Cancel and waits for it to clear
//   xprobe phones PORT ROOM PLACE...
//                                   phones joined at each PLACE, each sending 25 messages a second
//                                   (its buzzer let go) until the probe is stopped
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
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

// A phone's page as far as the probe needs one: a WebSocket on the loopback that joins the
// room and sends text messages; what the game sends it is read and dropped.
class PhoneSocket {
public:
    PhoneSocket(int port, const char* room, int place)
    {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(std::uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            return;
        const int on = 1;
        setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        const std::string request = "GET /phone HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                                    "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                                    "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n"
                                    "Origin: http://127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
        write(request);
        std::string answer;
        char buffer[512];
        while (answer.find("\r\n\r\n") == std::string::npos) {
            const ssize_t got = ::read(socket_, buffer, sizeof buffer);
            if (got <= 0)
                return;
            answer.append(buffer, std::size_t(got));
        }
        if (answer.rfind("HTTP/1.1 101", 0) != 0)
            return;
        fcntl(socket_, F_SETFL, fcntl(socket_, F_GETFL) | O_NONBLOCK);
        open_ = true;
        send("{\"type\":\"join\",\"room\":\"" + std::string(room) + "\",\"place\":" + std::to_string(place) + "}");
    }
    ~PhoneSocket() { ::close(socket_); }
    bool isOpen() const { return open_; }

    // One masked text frame (a client's frames are masked; a mask of zeros leaves the text as it is).
    void send(const std::string& text)
    {
        std::string frame{char(0x81), char(0x80 | text.size()), 0, 0, 0, 0};
        write(frame + text);
        drain();
    }
    void drain()
    {
        char buffer[4096];
        while (::read(socket_, buffer, sizeof buffer) > 0) {
        }
    }

private:
    void write(const std::string& bytes)
    {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const ssize_t wrote = ::write(socket_, bytes.data() + sent, bytes.size() - sent);
            if (wrote < 0)
                return;
            sent += std::size_t(wrote);
        }
    }
    int socket_ = -1;
    bool open_ = false;
};

// COUNT times: a press, by `press`, until the panel changes, then its release, the flash run
// out and Give Up clicked.
template <typename Press>
int buzz(Display* display, const char* name, char** argv, Press press)
{
    const Window window = findShown(display, name);
    const int x = std::atoi(argv[0]), y = std::atoi(argv[1]), w = std::atoi(argv[2]), h = std::atoi(argv[3]);
    const int giveUpX = std::atoi(argv[4]), giveUpY = std::atoi(argv[5]), count = std::atoi(argv[6]);
    if (!window) {
        std::fprintf(stderr, "xprobe: no window %s\n", name);
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
        press(true);
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
        press(false);
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
    if (argc == 11 && std::strcmp(argv[1], "buzz") == 0) {
        const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(argv[3]));
        if (!key) {
            std::fprintf(stderr, "xprobe: no key %s\n", argv[3]);
            return 1;
        }
        return buzz(display, argv[2], argv + 4, [&](bool down) {
            XTestFakeKeyEvent(display, key, down, CurrentTime);
            XFlush(display);
        });
    }
    if (argc == 12 && std::strcmp(argv[1], "phone-buzz") == 0) {
        PhoneSocket phone(std::atoi(argv[3]), argv[4], 1);
        if (!phone.isOpen()) {
            std::fprintf(stderr, "xprobe: the phone could not join\n");
            return 1;
        }
        sleepMs(200);
        return buzz(display, argv[2], argv + 5, [&](bool down) {
            phone.send(down ? R"({"type":"buzz","down":true})" : R"({"type":"buzz","down":false})");
        });
    }
    if (argc == 14 && std::strcmp(argv[1], "phone-tap") == 0) {
        const Window window = findShown(display, argv[2]);
        PhoneSocket phone(std::atoi(argv[3]), argv[4], 1);
        if (!window || !phone.isOpen()) {
            std::fprintf(stderr, "xprobe: no window %s, or the phone could not join\n", argv[2]);
            return 1;
        }
        const auto area = [&](int first) {
            return pixels(display, window, std::atoi(argv[first]), std::atoi(argv[first + 1]),
                          std::atoi(argv[first + 2]), std::atoi(argv[first + 3]));
        };
        // Waits up to a second for `changed` to hold; false if it never did.
        const auto waitFor = [](auto changed) {
            for (const double start = nowMs(); nowMs() - start < 1000;) {
                if (changed())
                    return true;
            }
            return false;
        };
        sleepMs(200);
        const std::string panel = area(5);
        phone.send(R"({"type":"buzz","down":true})");
        const bool lit = waitFor([&] { return area(5) != panel; });
        phone.send(R"({"type":"buzz","down":false})");
        if (!lit) {
            std::fprintf(stderr, "xprobe: the phone's buzz did not light the panel\n");
            return 1;
        }
        sleepMs(800);  // the buzz flash runs out
        std::mt19937 generator(2026);
        std::uniform_real_distribution<double> phase(0, 10);
        const int count = std::atoi(argv[13]);
        for (int i = 0; i < count; ++i) {
            const std::string empty = area(9);
            sleepMs(phase(generator));
            phone.send(R"({"type":"tap","on":"dealtNumber0"})");
            const double start = nowMs();
            if (!waitFor([&] { return area(9) != empty; })) {
                std::fprintf(stderr, "xprobe: the tap did not reach the working row\n");
                return 1;
            }
            std::printf("%.2f\n", nowMs() - start);
            std::fflush(stdout);
            sleepMs(40);  // the phone's messages stay well under thirty a second
            phone.send(R"({"type":"tap","on":"cancel"})");
            if (!waitFor([&] { return area(9) == empty; })) {
                std::fprintf(stderr, "xprobe: Cancel did not clear the working row\n");
                return 1;
            }
            sleepMs(40);
        }
        return 0;
    }
    if (argc >= 5 && std::strcmp(argv[1], "phones") == 0) {
        std::vector<std::unique_ptr<PhoneSocket>> phones;
        for (int i = 4; i < argc; ++i)
            phones.push_back(std::make_unique<PhoneSocket>(std::atoi(argv[2]), argv[3], std::atoi(argv[i])));
        for (;;) {
            for (const auto& phone : phones)
                phone->send(R"({"type":"buzz","down":false})");
            sleepMs(40);
        }
    }
    std::fprintf(stderr, "usage: xprobe launch NAME COMMAND... | xprobe buzz NAME KEY X Y W H GX GY COUNT |\n"
                         "       xprobe phone-buzz NAME PORT ROOM X Y W H GX GY COUNT |\n"
                         "       xprobe phone-tap NAME PORT ROOM X Y W H WX WY WW WH COUNT |\n"
                         "       xprobe phones PORT ROOM PLACE...\n");
    return 2;
}
