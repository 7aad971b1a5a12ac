// The host's window on a real X server (Xvfb), driven by xdotool as a user would: keys typed
// into the command line, the File menu opened with the mouse, drawings saved and opened through
// the file dialog (or typed with FILEDIA 0), the keys of File, the pull-downs opened by Alt and
// their letter, the session ended from the menu; a table created from the Velloria pull-down
// through its dialogs, placed by a click, picked and its link edited from Format, and saved,
// with screenshots of the screen.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <optional>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/DrawingIo.h"
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
    // The server picks a free display itself and names it once it accepts clients
    // (-displayfd): tests that run at once never share or race for one.
    explicit XServer(const std::string& folder) {
        const std::string pidFile = folder + "/xvfb.pid", numberFile = folder + "/xvfb.display";
        std::filesystem::remove(numberFile);
        std::system(("(Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>'" + numberFile + "' >'" + folder +
                     "/xvfb.log' 2>&1 & echo $! >'" + pidFile + "')").c_str());
        pid = ReadPid(pidFile);
        const auto named = [&] {
            const std::string text = testing_support::ReadFile(numberFile);
            return !text.empty() && text.back() == '\n';
        };
        if (WaitFor([&] { return named() || !Alive(pid); }, 10s) && Alive(pid)) {
            std::string number = testing_support::ReadFile(numberFile);
            number.pop_back();
            display = ":" + number;
        } else if (Alive(pid)) {
            ::kill(pid, SIGTERM);
        }
    }
    ~XServer() {
        if (Alive(pid)) ::kill(pid, SIGTERM);
    }
    std::string display;
    int pid = 0;
};

// A top-level window of the host's on the X server, found by its name.
struct XWindow {
    std::string id;
    int x = 0, y = 0, width = 0, height = 0;
};

// What a command prints, or nullopt when it fails.
std::optional<std::string> Output(const std::string& command, const std::string& folder) {
    const std::string out = folder + "/command.txt";
    if (std::system((command + " >'" + out + "' 2>/dev/null").c_str()) != 0) return std::nullopt;
    return testing_support::ReadFile(out);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// The X server a session runs on, as the test sees it: its windows, their kinds, the focus.
class XScreen {
public:
    XScreen(const std::string& display, const std::string& folder)
        : m_xdotool("env DISPLAY=" + display + " xdotool "), m_xwininfo("xwininfo -display " + display + " "), m_folder(folder) {}

    // The visible windows whose names match (xdotool compares without regard to case).
    std::vector<std::string> Visible(const std::string& name) const {
        return Lines(Output(m_xdotool + "search --onlyvisible --name '" + name + "'", m_folder).value_or(""));
    }
    // A pull-down menu's window bypasses the window manager; dialogs and the main window do not.
    bool IsPopupMenu(const std::string& id) const {
        return Output(m_xwininfo + "-id " + id, m_folder).value_or("").find("Override Redirect State: yes") != std::string::npos;
    }
    // An open pull-down menu of the host's (its window's class is the program's name).
    bool MenuOpen() const {
        for (const std::string& id : Lines(Output(m_xdotool + "search --onlyvisible --classname '^velloria$'", m_folder).value_or("")))
            if (IsPopupMenu(id)) return true;
        return false;
    }
    // Whether typed keys go to the window: it has the focus, or no window has it (the server
    // starts so) and the pointer is over it.
    bool KeysGoTo(const std::string& id) const {
        if (const std::optional<std::string> focus = Output(m_xdotool + "getwindowfocus", m_folder)) return Lines(*focus) == std::vector{id};
        for (const std::string& line : Lines(Output(m_xdotool + "getmouselocation --shell", m_folder).value_or("")))
            if (line == "WINDOW=" + id) return true;
        return false;
    }
    bool Shown(const std::string& id) const {
        for (const std::string& visible : Visible(".*"))
            if (visible == id) return true;
        return false;
    }
    // The first visible window of that name that is no pull-down menu, once there is one.
    std::optional<XWindow> Find(const std::string& name) const {
        std::optional<XWindow> found;
        WaitFor(
            [&] {
                for (const std::string& id : Visible(name))
                    if (!IsPopupMenu(id) && (found = Geometry(id))) return true;
                return false;
            },
            15s);
        return found;
    }

private:
    std::optional<XWindow> Geometry(const std::string& id) const {
        const std::optional<std::string> shell = Output(m_xdotool + "getwindowgeometry --shell " + id, m_folder);
        if (!shell) return std::nullopt;
        XWindow window;
        window.id = id;
        for (const std::string& line : Lines(*shell)) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
            if (key == "X") window.x = std::atoi(value.c_str());
            else if (key == "Y") window.y = std::atoi(value.c_str());
            else if (key == "WIDTH") window.width = std::atoi(value.c_str());
            else if (key == "HEIGHT") window.height = std::atoi(value.c_str());
        }
        return window;
    }

    const std::string m_xdotool, m_xwininfo, m_folder;
};

// The host on the X server, in the folder, with plan.dxf open (and Velloria's module loaded);
// stopped if it still runs when the test ends. run passes its arguments to xdotool.
struct HostOnX {
    HostOnX(const std::string& where, const XServer& server) : folder(where), xdotool("env DISPLAY=" + server.display + " xdotool ") {
        const std::string env = "cd '" + folder + "' && env -u QT_QPA_PLATFORM -u VELLORIA_CONSOLE_DIALOGS -u WAYLAND_DISPLAY DISPLAY=" +
                                server.display + " VELLORIA_REGISTRY='" + folder + "/registry.reg' VELLORIA_OPENER=/bin/true VELLORIA_MODULE='" +
                                VELLORIA_BIN_DIR "/Velloria.so' ";
        std::system(("(" + env + "'" VELLORIA_BIN_DIR "/velloria' plan.dxf >out.txt 2>err.txt </dev/null; echo $? >status) & echo $! >'" + folder +
                     "/host.pid'").c_str());
        pid = ReadPid(folder + "/host.pid");
    }
    ~HostOnX() {
        if (Alive(pid)) ::kill(pid, SIGTERM);
    }
    int run(const std::string& args) const { return std::system((xdotool + args + " >>'" + folder + "/xdotool.log' 2>&1").c_str()); }

    const std::string folder, xdotool;
    int pid = 0;
};

}  // namespace

TEST(WindowOnX, TheMenuAndTheCommandLineAnswerTheMouseAndTheKeyboard) {
    // Installed by the setup script: missing is a fault of the machine's setup, not a skip.
    ASSERT_TRUE(OnPath("Xvfb")) << "Xvfb is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xdotool")) << "xdotool is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xwininfo")) << "xwininfo is not installed (scripts/setup.sh installs it)";
    testing_support::TempDir dir;
    XServer server(dir.path().string());
    if (server.display.empty()) GTEST_SKIP() << "Xvfb cannot start here:\n" << testing_support::ReadFile(dir / "xvfb.log");
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", dir / "plan.dxf");
    const HostOnX session(dir.path().string(), server);
    const XScreen screen(server.display, dir.path().string());
    const int host = session.pid;
    auto run = [&](const std::string& args) { return session.run(args); };

    // The main window, named after its drawing; keys go to it with the pointer over it.
    const auto main = screen.Find("^Velloria - plan.dxf");
    ASSERT_TRUE(main) << testing_support::ReadFile(dir / "err.txt");
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 2) + " " + std::to_string(main->height / 2));
    ASSERT_TRUE(WaitFor([&] { return screen.KeysGoTo(main->id); }, 10s));

    auto typeLine = [&](const std::string& line) {
        run("type --delay 15 '" + line + "'");
        run("key Return");
    };
    // In a file dialog once it is up and has the keys: the file's name, then Enter.
    auto answerFileDialog = [&](const std::string& title, const std::string& name, const std::string& screenshot = {}) {
        const auto dialog = screen.Find("^" + title + "$");
        if (!dialog) return false;
        if (!WaitFor([&] { return screen.KeysGoTo(dialog->id); }, 10s)) return false;
        if (!screenshot.empty()) {
            const std::string grab = "env DISPLAY=" + server.display + " import -window root '" + screenshot + "'";
            EXPECT_EQ(std::system(grab.c_str()), 0);
            std::cout << "screenshot: " << screenshot << "\n";
        }
        typeLine(name);
        return WaitFor([&] { return !screen.Shown(dialog->id) && screen.KeysGoTo(main->id); }, 10s);
    };

    // Typed into the command line with the file dialogs off (FILEDIA 0): SAVEAS and its name.
    typeLine("FILEDIA");
    typeLine("0");
    typeLine("SAVEAS");
    typeLine("typed.dxf");
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "typed.dxf"); }, 10s)) << testing_support::ReadFile(dir / "err.txt");
    typeLine("FILEDIA");
    typeLine("1");

    // Ctrl+Shift+S: the file dialog, in the drawing's folder.
    // A click in the command line makes the window the active one, whose keys the menus take
    // (without a window manager nothing else does).
    run("mousemove --window " + main->id + " 200 " + std::to_string(main->height - 40) + " click 1");
    run("key ctrl+shift+s");
    const std::string dialogShot = (std::filesystem::path(VELLORIA_BIN_DIR).parent_path() / "tests" / "window-xvfb-file-dialog.png").string();
    ASSERT_TRUE(answerFileDialog("Save Drawing As", "keys.dxf", dialogShot)) << "no file dialog for Ctrl+Shift+S";
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "keys.dxf"); }, 10s));

    // File > Save As... by the mouse on the menu bar, then the keys of the menu, once it is open.
    run("mousemove --window " + main->id + " 18 10 click 1");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the File menu did not open";
    run("key Down Down Down Down Return");
    ASSERT_TRUE(answerFileDialog("Save Drawing As", "menu.dxf")) << "no file dialog for File > Save As";
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "menu.dxf"); }, 10s));

    // Ctrl+O: the drawing opens in a tab of its own; Ctrl+S saves it to its file.
    run("key ctrl+o");
    ASSERT_TRUE(answerFileDialog("Open Drawing", "typed.dxf")) << "no file dialog for Ctrl+O";
    ASSERT_TRUE(screen.Find("^Velloria - typed.dxf$")) << testing_support::ReadFile(dir / "err.txt");
    std::filesystem::remove(dir / "typed.dxf");
    run("key ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "typed.dxf"); }, 10s)) << "Ctrl+S saved nothing";

    // Window lists both drawings (a screenshot of it open); Help and Insert open.
    const std::filesystem::path shots = std::filesystem::path(VELLORIA_BIN_DIR).parent_path() / "tests";
    std::filesystem::create_directories(shots);
    for (const char* menu : {"alt+i", "alt+h", "alt+w"}) {
        run(std::string("key ") + menu);
        EXPECT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << menu << " opened no menu";
        if (std::string(menu) == "alt+w") {
            const std::string grab = "env DISPLAY=" + server.display + " import -window root '" + (shots / "window-xvfb-menus.png").string() + "'";
            EXPECT_EQ(std::system(grab.c_str()), 0);
        }
        run("key Escape");
        ASSERT_TRUE(WaitFor([&] { return !screen.MenuOpen() && screen.KeysGoTo(main->id); }, 10s));
    }
    std::cout << "screenshot: " << (shots / "window-xvfb-menus.png").string() << "\n";

    // File > Close closes it: the other drawing is shown again.
    run("mousemove --window " + main->id + " 18 10 click 1");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the File menu did not open";
    run("key Down Down Down Down Down Return");
    EXPECT_TRUE(screen.Find("^Velloria - menu.dxf$")) << "File > Close left typed.dxf";

    // File > Exit ends the session (nothing is unsaved, so nothing is asked).
    run("mousemove --window " + main->id + " 18 10 click 1");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the File menu did not open";
    run("key Up Return");
    EXPECT_TRUE(WaitFor([&] { return !Alive(host) && std::filesystem::exists(dir / "status"); }, 20s));
    EXPECT_EQ(testing_support::ReadFile(dir / "status"), "0\n") << testing_support::ReadFile(dir / "err.txt");
}

// The dialogs are laid out in dialog units: a control's place is its template's rectangle
// scaled by the dialog's size in pixels over its size in units. Each step waits for what the
// last one brings about (a window shown or gone, the keyboard's focus) before the next acts;
// the events of one window are handled in the order they were sent.
TEST(WindowOnX, ATableIsCreatedFromTheMenuThroughItsDialogsAndPlacedByAClick) {
    ASSERT_TRUE(OnPath("Xvfb")) << "Xvfb is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xdotool")) << "xdotool is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xwininfo")) << "xwininfo is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("import")) << "ImageMagick's import is not installed (scripts/setup.sh installs it)";
    testing_support::TempDir dir;
    XServer server(dir.path().string());
    if (server.display.empty()) GTEST_SKIP() << "Xvfb cannot start here:\n" << testing_support::ReadFile(dir / "xvfb.log");
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", dir / "plan.dxf");
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", dir / "nwind.mdb");
    const HostOnX session(dir.path().string(), server);
    const XScreen screen(server.display, dir.path().string());
    const int host = session.pid;
    auto run = [&](const std::string& args) { return session.run(args); };
    auto gone = [&](const XWindow& w) { return WaitFor([&] { return !screen.Shown(w.id); }, 10s); };
    auto focused = [&](const XWindow& w) { return WaitFor([&] { return screen.KeysGoTo(w.id); }, 10s); };

    const auto main = screen.Find("^Velloria - plan.dxf");
    ASSERT_TRUE(main) << testing_support::ReadFile(dir / "err.txt");
    // Velloria > Create Table from Database... ("C"); the pull-down stands after File, View and
    // Tools, at its place for the setup's fonts (DejaVu Sans).
    run("mousemove --window " + main->id + " 298 9 click 1");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the Velloria menu did not open";
    run("key c");
    ASSERT_TRUE(WaitFor([&] { return !screen.MenuOpen(); }, 10s));
    const auto dialog = screen.Find("^Velloria$");
    ASSERT_TRUE(dialog) << "the table dialog did not come up\n" << testing_support::ReadFile(dir / "out.txt");
    ASSERT_TRUE(focused(*dialog));
    // The main dialog's template: 405 x 275 units.
    auto clickIn = [&](const XWindow& w, double unitsWide, double unitsHigh, double ux, double uy) {
        const int px = static_cast<int>(ux * w.width / unitsWide), py = static_cast<int>(uy * w.height / unitsHigh);
        run("mousemove --window " + w.id + " " + std::to_string(px) + " " + std::to_string(py) + " click 1");
    };
    clickIn(*dialog, 405, 275, 7 + 32, 196 + 7);  // Open Database
    const auto connect = screen.Find("^Database$");
    ASSERT_TRUE(connect) << "the database dialog did not come up";
    // The connect dialog's template: 236 x 141 units.
    ASSERT_TRUE(focused(*connect));
    clickIn(*connect, 236, 141, 64 + 72, 53 + 6);  // the Database field
    run("type --delay 10 '" + (dir / "nwind.mdb") + "'");
    clickIn(*connect, 236, 141, 122 + 25, 120 + 7);  // OK
    ASSERT_TRUE(gone(*connect)) << "the database dialog did not close";
    // The tree shows the database's tables: the first row is the database, then the tables; the
    // keys of a name choose it.
    clickIn(*dialog, 405, 275, 60, 17 + 5);
    ASSERT_TRUE(focused(*dialog));
    run("type --delay 20 Shippers");
    clickIn(*dialog, 405, 275, 144 + 5, 233 + 5);   // Include Header: off
    clickIn(*dialog, 405, 275, 284 + 29, 254 + 7);  // Create Table ...
    ASSERT_TRUE(gone(*dialog)) << "the table dialog did not close";
    // The new table is in the drawing (its title says it has changes) and follows the cursor
    // until the click that places it; then the keys go to the window again.
    ASSERT_TRUE(WaitFor([&] { return screen.Visible("^Velloria - plan.dxf [*]$").size() == 1; }, 10s))
        << testing_support::ReadFile(dir / "err.txt");
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 3) + " " + std::to_string(main->height / 2));
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 3 + 10) + " " + std::to_string(main->height / 2 + 10));
    run("click 1");
    ASSERT_TRUE(focused(*main));

    // Saved by Ctrl+Shift+S, its name typed in the file dialog.
    auto saveAs = [&](const std::string& name) {
        run("key ctrl+shift+s");
        const auto files = screen.Find("^Save Drawing As$");
        if (!files || !focused(*files)) return false;
        run("type --delay 15 " + name);
        run("key Return");
        return gone(*files) && WaitFor([&] { return std::filesystem::exists(dir / name); }, 10s);
    };
    ASSERT_TRUE(saveAs("table.dxf")) << testing_support::ReadFile(dir / "out.txt") << testing_support::ReadFile(dir / "err.txt");
    ASSERT_TRUE(focused(*main));

    // What the user sees now, beside the build's other outputs.
    const std::filesystem::path shot = std::filesystem::path(VELLORIA_BIN_DIR).parent_path() / "tests" / "window-xvfb.png";
    std::filesystem::create_directories(shot.parent_path());
    EXPECT_EQ(std::system(("env DISPLAY=" + server.display + " import -window root '" + shot.string() + "'").c_str()), 0);
    EXPECT_GT(std::filesystem::exists(shot) ? std::filesystem::file_size(shot) : 0u, 1000u);
    std::cout << "screenshot: " << shot.string() << "\n";

    // A click on the new table's corner at "Command: " picks it (grips show it); Format > Table
    // Link Properties then edits its link without asking for a table.
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 3 + 10) + " " + std::to_string(main->height / 2 + 10) + " click 1");
    std::this_thread::sleep_for(300ms);
    const std::filesystem::path picked = shot.parent_path() / "window-xvfb-picked.png";
    EXPECT_EQ(std::system(("env DISPLAY=" + server.display + " import -window root '" + picked.string() + "'").c_str()), 0);
    std::cout << "picked: " << picked.string() << "\n";
    run("key alt+o");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the Format menu did not open";
    run("key l");
    const auto properties = screen.Find("^Properties$");
    ASSERT_TRUE(properties) << "the picked table's properties did not come up";
    ASSERT_TRUE(focused(*properties));
    run("key Escape");
    ASSERT_TRUE(gone(*properties));
    // A click in the command line gives the window the keys again.
    run("mousemove --window " + main->id + " 200 " + std::to_string(main->height - 40) + " click 1");
    ASSERT_TRUE(focused(*main));

    // Ctrl+Z takes the table back out (Edit > Undo), as the screen shows.
    run("key ctrl+z");
    std::this_thread::sleep_for(700ms);
    const std::filesystem::path undone = shot.parent_path() / "window-xvfb-undone.png";
    EXPECT_EQ(std::system(("env DISPLAY=" + server.display + " import -window root '" + undone.string() + "'").c_str()), 0);
    std::cout << "after Ctrl+Z: " << undone.string() << "\n";
    ASSERT_TRUE(saveAs("undone.dxf")) << testing_support::ReadFile(dir / "out.txt");
    ASSERT_TRUE(focused(*main));
    run("type --delay 15 QUIT");
    run("key Return");
    EXPECT_TRUE(WaitFor([&] { return !Alive(host) && std::filesystem::exists(dir / "status"); }, 20s));
    EXPECT_EQ(testing_support::ReadFile(dir / "status"), "0\n") << testing_support::ReadFile(dir / "err.txt");

    // The second column of each table of three rows and columns (the plan has one of its own).
    auto secondColumns = [](const std::string& file) {
        std::vector<std::vector<std::wstring>> columns;
        auto saved = platform::dxf::LoadDrawing(file);
        EXPECT_TRUE(saved);
        if (!saved) return columns;
        AcDbBlockTableRecord* space = nullptr;
        EXPECT_EQ(acdbOpenObject(space, saved.database->modelSpaceId(), AcDb::kForRead), Acad::eOk);
        if (!space) return columns;
        for (AcDbObjectId id : space->entityIds())
            if (const auto* table = AcDbTable::cast(id.stub()->object); table && table->numColumns() == 3 && table->numRows() == 3) {
                std::vector<std::wstring>& column = columns.emplace_back();
                for (int row = 0; row < 3; ++row) table->textString(row, 1, column.emplace_back());
            }
        space->close();
        return columns;
    };
    // The shippers without a header row: their names.
    const std::vector<std::wstring> shippers{L"Speedy Express", L"United Package", L"Federal Shipping"};
    const auto created = secondColumns(dir / "table.dxf"), afterUndo = secondColumns(dir / "undone.dxf");
    EXPECT_EQ(std::count(created.begin(), created.end(), shippers), 1);
    EXPECT_EQ(std::count(afterUndo.begin(), afterUndo.end(), shippers), 0);
    EXPECT_EQ(afterUndo.size() + 1, created.size());  // the plan's own table stays
}

// Ctrl+P opens the plot dialog; its keys choose the layout, the paper, the orientation, the
// scale and the file, and Enter writes the PDF. File > Plot opens the same dialog.
TEST(WindowOnX, CtrlPAndFilePlotOpenThePlotDialogWhichWritesAPdf) {
    ASSERT_TRUE(OnPath("Xvfb")) << "Xvfb is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xdotool")) << "xdotool is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("xwininfo")) << "xwininfo is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("import")) << "ImageMagick's import is not installed (scripts/setup.sh installs it)";
    ASSERT_TRUE(OnPath("pdfinfo")) << "pdfinfo is not installed (scripts/setup.sh installs poppler-utils)";
    testing_support::TempDir dir;
    XServer server(dir.path().string());
    if (server.display.empty()) GTEST_SKIP() << "Xvfb cannot start here:\n" << testing_support::ReadFile(dir / "xvfb.log");
    // A drawing with a paper layout set up on ISO A4, turned a quarter.
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/dxf-corpus/VP4.dxf", dir / "plan.dxf");
    const HostOnX session(dir.path().string(), server);
    const XScreen screen(server.display, dir.path().string());
    auto run = [&](const std::string& args) { return session.run(args); };
    auto focused = [&](const XWindow& w) { return WaitFor([&] { return screen.KeysGoTo(w.id); }, 10s); };
    const std::filesystem::path shots = std::filesystem::path(VELLORIA_BIN_DIR).parent_path() / "tests";
    std::filesystem::create_directories(shots);

    const auto main = screen.Find("^Velloria - plan.dxf");
    ASSERT_TRUE(main) << testing_support::ReadFile(dir / "err.txt");
    // A click on the status bar makes the window the active one, whose shortcuts the keys reach.
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 2) + " " + std::to_string(main->height - 8) + " click 1");
    ASSERT_TRUE(focused(*main));
    run("key ctrl+p");
    const auto dialog = screen.Find("^Plot$");
    ASSERT_TRUE(dialog) << "Ctrl+P did not open the plot dialog\n" << testing_support::ReadFile(dir / "err.txt");
    ASSERT_TRUE(focused(*dialog));
    run("key alt+l");
    run("type --delay 20 Layout1");
    run("key alt+e ctrl+a");
    run("type --delay 20 A3");
    run("key alt+o");
    run("type --delay 20 Portrait");
    run("key alt+i ctrl+a");
    run("type --delay 15 sheet.pdf");
    std::this_thread::sleep_for(700ms);
    const std::filesystem::path shot = shots / "plot-dialog-xvfb.png";
    EXPECT_EQ(std::system(("env DISPLAY=" + server.display + " import -window root '" + shot.string() + "'").c_str()), 0);
    std::cout << "the plot dialog: " << shot.string() << "\n";
    run("key Return");
    ASSERT_TRUE(WaitFor([&] { return !screen.Shown(dialog->id); }, 10s)) << "the plot dialog did not close";
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "sheet.pdf"); }, 10s)) << testing_support::ReadFile(dir / "err.txt");
    const std::optional<std::string> info = Output("pdfinfo '" + (dir / "sheet.pdf") + "'", dir.path().string());
    ASSERT_TRUE(info);
    EXPECT_NE(info->find("841.89 x 1190.55 pts (A3)"), std::string::npos) << *info;

    // File > Plot... by the menu's key; Escape leaves the dialog and writes nothing.
    run("mousemove --window " + main->id + " 18 10 click 1");
    ASSERT_TRUE(WaitFor([&] { return screen.MenuOpen(); }, 10s)) << "the File menu did not open";
    run("key p");
    const auto again = screen.Find("^Plot$");
    ASSERT_TRUE(again) << "File > Plot did not open the plot dialog";
    ASSERT_TRUE(focused(*again));
    run("key alt+i ctrl+a");
    run("type --delay 15 never.pdf");
    run("key Escape");
    ASSERT_TRUE(WaitFor([&] { return !screen.Shown(again->id); }, 10s)) << "Escape did not close the plot dialog";
    run("mousemove --window " + main->id + " " + std::to_string(main->width / 2) + " " + std::to_string(main->height - 8) + " click 1");
    ASSERT_TRUE(focused(*main));
    const std::filesystem::path after = shots / "plot-dialog-xvfb-after.png";
    EXPECT_EQ(std::system(("env DISPLAY=" + server.display + " import -window root '" + after.string() + "'").c_str()), 0);
    std::cout << "after the plot: " << after.string() << "\n";
    EXPECT_FALSE(std::filesystem::exists(dir / "never.pdf"));
    run("type --delay 15 QUIT");
    run("key Return");
    EXPECT_TRUE(WaitFor([&] { return !Alive(session.pid) && std::filesystem::exists(dir / "status"); }, 20s));
}
