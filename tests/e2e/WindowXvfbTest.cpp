// The host's window on a real X server (Xvfb), driven by xdotool as a user would: keys typed
// into the command line, the File menu opened with the mouse, a drawing saved, the session
// ended from the menu.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "testing/TempDir.h"

namespace {

using namespace std::chrono_literals;

bool OnPath(const std::string& program) { return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0; }

int ReadPid(const std::string& file) {
    std::ifstream in(file);
    int pid = 0;
    in >> pid;
    return pid;
}

bool Alive(int pid) { return pid > 0 && ::kill(pid, 0) == 0; }

template <class Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

class XServer {
public:
    explicit XServer(const std::string& folder) {
        for (int n = 90 + ::getpid() % 50; n < 200 && display.empty(); ++n) {
            if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n)) || std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock"))
                continue;
            const std::string pidFile = folder + "/xvfb.pid";
            std::system(("(Xvfb :" + std::to_string(n) + " -screen 0 1280x1024x24 -nolisten tcp >'" + folder + "/xvfb.log' 2>&1 & echo $! >'" +
                         pidFile + "')").c_str());
            pid = ReadPid(pidFile);
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
            if (WaitFor([&] { return std::filesystem::exists(socket) || !Alive(pid); }, 5s) && Alive(pid)) display = ":" + std::to_string(n);
            else if (Alive(pid)) ::kill(pid, SIGTERM);
        }
    }
    ~XServer() {
        if (Alive(pid)) ::kill(pid, SIGTERM);
    }
    std::string display;
    int pid = 0;
};

}  // namespace

TEST(WindowOnX, TheMenuAndTheCommandLineAnswerTheMouseAndTheKeyboard) {
    // Installed by the setup script: missing is a fault of the machine's setup, not a skip.
    ASSERT_TRUE(OnPath("Xvfb")) << "Xvfb is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xdotool")) << "xdotool is not installed (scripts/setup.sh installs it)";
    testing_support::TempDir dir;
    XServer server(dir.path().string());
    if (server.display.empty()) GTEST_SKIP() << "Xvfb cannot start here:\n" << testing_support::ReadFile(dir / "xvfb.log");
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", dir / "plan.dxf");

    const std::string env = "cd '" + dir.path().string() + "' && env -u QT_QPA_PLATFORM -u VELLORIA_CONSOLE_DIALOGS -u WAYLAND_DISPLAY DISPLAY=" +
                            server.display + " VELLORIA_REGISTRY='" + (dir / "registry.reg") + "' VELLORIA_OPENER=/bin/true VELLORIA_MODULE='" +
                            VELLORIA_BIN_DIR "/Velloria.so' ";
    std::system(("(" + env + "'" VELLORIA_BIN_DIR "/velloria' plan.dxf >out.txt 2>err.txt </dev/null; echo $? >status) & echo $! >'" + (dir / "host.pid") +
                 "'").c_str());
    const int host = ReadPid(dir / "host.pid");
    const std::string xdotool = "env DISPLAY=" + server.display + " xdotool ";
    auto run = [&](const std::string& args) { return std::system((xdotool + args + " >>'" + (dir / "xdotool.log") + "' 2>&1").c_str()); };

    // The main window, named after its drawing.
    ASSERT_EQ(std::system(("timeout 30 " + xdotool + "search --sync --onlyvisible --name '^Velloria - plan.dxf' >'" + (dir / "window.id") + "'").c_str()), 0);
    std::string window = testing_support::ReadFile(dir / "window.id");
    window = window.substr(0, window.find('\n'));
    ASSERT_FALSE(window.empty());

    // Typed into the command line: SAVEAS and its file name.
    run("type --delay 15 SAVEAS");
    run("key Return");
    run("type --delay 15 typed.dxf");
    run("key Return");
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "typed.dxf"); }, 10s)) << testing_support::ReadFile(dir / "err.txt");

    // File > Save As... by the mouse on the menu bar, then the keys of the menu.
    run("mousemove --window " + window + " 18 10 click 1");
    std::this_thread::sleep_for(300ms);
    run("key Down Down Down Down Return");
    std::this_thread::sleep_for(300ms);
    run("type --delay 15 menu.dxf");
    run("key Return");
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "menu.dxf"); }, 10s));

    // File > Exit ends the session (nothing is unsaved, so nothing is asked).
    run("mousemove --window " + window + " 18 10 click 1");
    std::this_thread::sleep_for(300ms);
    run("key Up Return");
    EXPECT_TRUE(WaitFor([&] { return !Alive(host) && std::filesystem::exists(dir / "status"); }, 20s));
    if (Alive(host)) ::kill(host, SIGTERM);
    EXPECT_EQ(testing_support::ReadFile(dir / "status"), "0\n") << testing_support::ReadFile(dir / "err.txt");
}
