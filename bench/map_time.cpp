// Measures what a player waits for: the time from a program's start until its main window is
// mapped on the X server. Run on an X server with no window manager, so top-level windows are
// the root's own children.
//
//   map_time <window title> <program> [arguments...]
//
// Prints "mapped <milliseconds> peak_kib <peak resident of the program and its children>",
// then ends the program.
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace {

double Milliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A window may be gone by the time its name is asked for (a program's short-lived helper
// window): the request fails, and that window is simply not the one watched for.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

constexpr double kPatienceMs = 30000;

std::string NameOf(Display* display, Window window) {
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

// The process and every process below it, from /proc.
std::set<pid_t> Tree(pid_t root) {
    std::set<pid_t> tree{root};
    for (bool grew = true; grew;) {
        grew = false;
        FILE* ps = popen("ps -e -o pid=,ppid=", "r");
        int pid = 0, parent = 0;
        while (ps != nullptr && std::fscanf(ps, "%d %d", &pid, &parent) == 2) {
            if (tree.count(parent) != 0 && tree.insert(pid).second) {
                grew = true;
            }
        }
        if (ps != nullptr) {
            pclose(ps);
        }
    }
    return tree;
}

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_time <window title> <program> [arguments...]\n");
        return 2;
    }
    const std::string title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    for (int retry = 0; display == nullptr && retry < 50; ++retry) {  // a server still starting
        usleep(100 * 1000);
        display = XOpenDisplay(nullptr);
    }
    if (display == nullptr) {
        std::fprintf(stderr, "map_time: no X display\n");
        return 2;
    }
    XSetErrorHandler(&IgnoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = Milliseconds();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    // Waits for the map, but not for a program that ended or never shows the window. Names
    // are followed from each window's creation on: a program may have closed the window by the
    // time its map is read here.
    std::map<Window, std::string> names;
    double mapped = -1;
    int status = 0;
    while (mapped < 0) {
        while (mapped < 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify) {
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
                names[event.xcreatewindow.window] = NameOf(display, event.xcreatewindow.window);
            } else if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME) {
                names[event.xproperty.window] = NameOf(display, event.xproperty.window);
            } else if (event.type == MapNotify) {
                auto known = names.find(event.xmap.window);
                const std::string name = known != names.end() && !known->second.empty()
                                             ? known->second
                                             : NameOf(display, event.xmap.window);
                if (name == title) {
                    mapped = Milliseconds() - started;
                }
            }
        }
        if (mapped >= 0) {
            break;
        }
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "map_time: %s ended (status %d) without showing \"%s\"\n",
                         argv[2], status, title.c_str());
            return 2;
        }
        if (Milliseconds() - started > kPatienceMs) {
            std::fprintf(stderr, "map_time: no window \"%s\" after %.0f s\n", title.c_str(),
                         kPatienceMs / 1000);
            kill(-child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 2;
        }
        pollfd x{ConnectionNumber(display), POLLIN, 0};
        poll(&x, 1, 10);
    }
    usleep(300 * 1000);  // let it settle to what it holds once shown
    long peak = 0;
    for (pid_t pid : Tree(child)) {
        peak += PeakKiB(pid);
    }
    std::printf("mapped %.1f peak_kib %ld\n", mapped, peak);
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
