#include "runtime/HtmlHelp.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "runtime/DetachedProgram.h"
#include "runtime/ShellExecute.h"
#include "text/Utf8.h"
#include "win/HostPath.h"

namespace {

constexpr const char* kViewers[] = {"xchm", "kchmviewer", "chmsee"};
constexpr const char* kBrowsers[] = {"xdg-open", "sensible-browser", "x-www-browser"};

std::string FirstViewer() {
    for (const char* name : kViewers)
        if (std::string path = platform::FindProgram(name); !path.empty()) return path;
    return {};
}

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return false;
}

// The browser programs to try, $BROWSER's first (each entry's first word, as in "firefox %s").
// The desktop's openers only where there is a display: on a bare console they find no browser
// or start a text one that fights the command line for the terminal.
std::vector<std::string> BrowserNames() {
    std::vector<std::string> names;
    if (const char* browser = std::getenv("BROWSER"); browser && *browser) {
        const std::string list = browser;
        for (size_t start = 0; start <= list.size();) {
            size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            const std::string entry = list.substr(start, end - start);
            const std::string program = entry.substr(0, entry.find(' '));
            if (!program.empty()) names.push_back(program);
            start = end + 1;
        }
    }
    if (HasDisplay()) names.insert(names.end(), std::begin(kBrowsers), std::end(kBrowsers));
    return names;
}

HWND Shown() { return reinterpret_cast<HWND>(1); }

HWND ShowPages(const std::string& pages) {
    for (const std::string& name : BrowserNames()) {
        const std::string program = platform::FindProgram(name);
        if (program.empty() || !platform::StartDetached(program, pages)) continue;
        platform::WriteOutput("\nNo CHM viewer was found; the help pages " + pages + " were given to " + program + ".");
        return Shown();
    }
    const char* browser = std::getenv("BROWSER");
    const std::string why = std::string(browser && *browser ? "$BROWSER names none that is there" : "$BROWSER is not set") +
                            (HasDisplay() ? ", and none of xdg-open, sensible-browser, x-www-browser is on PATH" : ", and there is no display");
    platform::WriteOutput("\nCannot show the help: no CHM viewer (xchm, kchmviewer, chmsee) and no web browser was found (" + why +
                          "). The help pages are " + pages + "; HELP NAME prints a command's page here.");
    return nullptr;
}

}  // namespace

HWND HtmlHelpW(HWND, LPCWSTR pszFile, UINT uCommand, UINT_PTR) {
    if (!pszFile || uCommand != HH_DISPLAY_TOPIC) return nullptr;
    if (const char* opener = std::getenv("VELLORIA_OPENER"); opener && *opener)
        return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", pszFile, nullptr, nullptr, SW_SHOWNORMAL)) > 32 ? Shown() : nullptr;
    const std::string file = platform::ToHostPath(pszFile);
    const bool bFile = std::filesystem::exists(file);
    const std::string pages = (std::filesystem::path(file).parent_path() / "help" / "index.html").string();
    if (bFile) {
        if (const std::string viewer = FirstViewer(); !viewer.empty() && platform::StartDetached(viewer, file)) {
            platform::WriteOutput("\nThe help file " + file + " was given to " + viewer + ".");
            return Shown();
        }
    }
    if (std::filesystem::exists(pages)) return ShowPages(pages);
    platform::WriteOutput(bFile ? "\nCannot show the help: no CHM viewer (xchm, kchmviewer, chmsee) was found, and the help pages " + pages + " are missing."
                                : "\nCannot open " + platform::ToUtf8(pszFile) + ": the file does not exist.");
    return nullptr;
}
