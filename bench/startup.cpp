// Start-up time and memory of Orrindel against a bare Qt main window of the same size, on a
// private Xvfb display with no window manager: from the process's start to the MapNotify of
// its top-level window, the processor time of its threads by then, and its resident memory at
// that moment. One warm-up run of each, then the two alternate, each going first in turn, so
// that both meet the same machine load.
// Usage: startup [RUNS [PROGRAM]]   (9 runs and the Orrindel of this build by default)

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Patience = std::chrono::seconds(20);

struct Sample
{
    double mapMs = 0;
    double rssMiB = 0;
    double cpuMs = 0;
    int width = 0, height = 0;
};

int remainingMs(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        throw std::runtime_error("timed out");
    return int(left.count());
}

// A child process, killed and reaped when it goes out of scope.
class Child
{
public:
    Child(const std::vector<std::string> &argv, const std::vector<std::string> &env,
          posix_spawn_file_actions_t *actions = nullptr)
    {
        std::vector<char *> args, envp;
        for (const auto &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        for (const auto &e : env)
            envp.push_back(const_cast<char *>(e.c_str()));
        args.push_back(nullptr);
        envp.push_back(nullptr);
        if (posix_spawn(&m_pid, args[0], actions, nullptr, args.data(), envp.data()) != 0)
            throw std::runtime_error("cannot start " + argv[0]);
    }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = 0;
};

std::vector<std::string> environment(const std::string &display)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    return env;
}

// A private Xvfb; -displayfd tells the display number once the server listens.
class Xvfb
{
public:
    Xvfb()
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        m_server = std::make_unique<Child>(
            std::vector<std::string>{"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]),
                                     "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
            environment(""), &actions);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string number;
        const auto deadline = Clock::now() + Patience;
        char ch = 0;
        pollfd pfd{fds[0], POLLIN, 0};
        while (number.empty() || number.back() != '\n') {
            if (poll(&pfd, 1, remainingMs(deadline)) <= 0 || read(fds[0], &ch, 1) != 1)
                throw std::runtime_error("Xvfb did not start");
            number += ch;
        }
        close(fds[0]);
        m_display = ":" + number.substr(0, number.size() - 1);
    }
    const std::string &display() const { return m_display; }

private:
    std::unique_ptr<Child> m_server;
    std::string m_display;
};

double rssMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// Time on a processor of all the process's threads so far, which a busy machine delays
// but does not lengthen as it does the wall-clock time.
double cpuMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double onCpu = 0;
        if (stat >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

// Watches the root window for top-level windows being mapped.
class Display
{
public:
    explicit Display(const std::string &name) : m_c(xcb_connect(name.c_str(), nullptr))
    {
        if (xcb_connection_has_error(m_c))
            throw std::runtime_error("cannot open display " + name);
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_c);
    }
    ~Display() { xcb_disconnect(m_c); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c))
            std::free(event);
    }
    // Waits for the next top-level window to be mapped; returns it.
    xcb_window_t nextMap(Clock::time_point deadline)
    {
        pollfd pfd{xcb_get_file_descriptor(m_c), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                       &std::free);
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                    const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                    if (!map->override_redirect)
                        return map->window;
                }
            }
            if (xcb_connection_has_error(m_c))
                throw std::runtime_error("display connection lost");
            poll(&pfd, 1, remainingMs(deadline));
        }
    }
    std::pair<int, int> size(xcb_window_t window)
    {
        xcb_get_geometry_reply_t *g =
            xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr);
        const std::pair<int, int> wh =
            g ? std::pair<int, int>(g->width, g->height) : std::pair<int, int>(0, 0);
        std::free(g);
        return wh;
    }

private:
    xcb_connection_t *m_c;
};

Sample run(Display &display, const std::vector<std::string> &argv, const std::string &name)
{
    display.drain();
    const auto start = Clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const Child child(argv, environment(name), &quiet);
    posix_spawn_file_actions_destroy(&quiet);
    const xcb_window_t window = display.nextMap(start + Patience);
    Sample sample;
    sample.mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    sample.cpuMs = cpuMs(child.pid());
    sample.rssMiB = rssMiB(child.pid());
    std::tie(sample.width, sample.height) = display.size(window);
    return sample;
}

double loadAverage()
{
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    const std::string orrindel = argc > 2 ? argv[2] : ORRINDEL_PROGRAM;
    if (runs < 1) {
        std::fprintf(stderr, "usage: startup [RUNS [PROGRAM]]\n");
        return 2;
    }
    try {
        const Xvfb xvfb;
        Display display(xvfb.display());
        const Sample warm = run(display, {orrindel}, xvfb.display());
        const std::vector<std::string> bare = {BARE_PROGRAM, std::to_string(warm.width) + "x" +
                                                                 std::to_string(warm.height)};
        run(display, bare, xvfb.display());

        std::vector<double> map[2], rss[2], cpu[2];
        const double loadBefore = loadAverage();
        for (int i = 0; i < runs; ++i) {
            // Each takes its turn to go first, so that neither always follows the other's exit.
            for (const int which : i % 2 ? std::array{1, 0} : std::array{0, 1}) {
                const Sample s =
                    run(display, which == 0 ? std::vector{orrindel} : bare, xvfb.display());
                map[which].push_back(s.mapMs);
                rss[which].push_back(s.rssMiB);
                cpu[which].push_back(s.cpuMs);
                std::printf("%-9s run %d: map %6.1f ms, CPU %6.1f ms, RSS %5.1f MiB, %dx%d\n",
                            which == 0 ? "orrindel" : "bare", i + 1, s.mapMs, s.cpuMs, s.rssMiB,
                            s.width, s.height);
            }
        }
        const auto report = [](const char *what, const char *unit, const std::vector<double> &a,
                               const std::vector<double> &b) {
            const double ma = median(a), mb = median(b);
            std::printf("median %s: orrindel %.1f %s, bare %.1f %s, ratio %.2f\n", what, ma, unit,
                        mb, unit, ma / mb);
        };
        report("map", "ms", map[0], map[1]);
        report("CPU", "ms", cpu[0], cpu[1]);
        report("RSS", "MiB", rss[0], rss[1]);
        std::printf("load average (1 min): %.2f before, %.2f after\n", loadBefore, loadAverage());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
