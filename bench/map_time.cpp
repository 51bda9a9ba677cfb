// Measures what a player waits for: the time from a program's start until its main window is
// mapped on the X server. Run on an X server with no window manager, so top-level windows are
// the root's own children.
//
//   map_time <window title> <program> [arguments...]
//
// Prints "mapped <milliseconds> peak_kib <peak resident of the program and its children>",
// then ends the program.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <set>
#include <string>

namespace {

double Milliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

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
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = Milliseconds();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && NameOf(display, event.xmap.window) == title) {
            mapped = Milliseconds() - started;
        }
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
