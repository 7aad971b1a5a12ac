// The help file and pages built beside the module, and Velo_Help opening the file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "testing/TempDir.h"

namespace {

const char* const kCommands[] = {"DbTable_Create", "DbTable_Properties", "DbTable_Update", "DbTable_Auto_Update",
                                 "Velo_LoadMenu",  "Velo_Help",          "Velo_About",     "Velo_Live_Update",
                                 "Velo_Website",   "Velo_Support",       "Velo_Faq",       "Velo_New",
                                 "Velo_Demo"};

TEST(HelpFile, IsACompiledHelpFileWithAPagePerCommand) {
    const std::string chm = testing_support::ReadFile(VELLORIA_BIN_DIR "/Velloria.chm");
    ASSERT_GE(chm.size(), 4u);
    EXPECT_EQ(chm.substr(0, 4), "ITSF");
    // The compiler keeps the names of its files uncompressed in the directory.
    EXPECT_NE(chm.find("/index.html"), std::string::npos);
    for (const char* command : kCommands) {
        SCOPED_TRACE(command);
        const std::string page = std::string(command) + ".html";
        EXPECT_NE(chm.find("/" + page), std::string::npos);
        // The same page as plain HTML, and a link to it from the contents page.
        const std::string html = testing_support::ReadFile(VELLORIA_BIN_DIR "/help/" + page);
        EXPECT_NE(html.find("<h1>" + std::string(command)), std::string::npos);
        EXPECT_NE(testing_support::ReadFile(VELLORIA_BIN_DIR "/help/index.html").find("href=\"" + page + "\""),
                  std::string::npos);
    }
}

TEST(HelpFile, VeloHelpOpensTheFileBesideTheModule) {
    testing_support::TempDir dir;
    const std::string record = dir / "opened.txt";
    const std::string opener = dir / "opener.sh";
    testing_support::WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".tmp && mv " + record + ".tmp " + record + "\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    testing_support::WriteFile(dir / "run.scr", "Velo_Help\n");
    const std::string command = "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (dir / "registry.reg") +
                                "' VELLORIA_OPENER='" + opener + "' '" VELLORIA_BIN_DIR "/velloria' -s '" +
                                (dir / "run.scr") + "' >/dev/null 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) ::usleep(10000);
    EXPECT_EQ(std::filesystem::canonical(testing_support::ReadFile(record)),
              std::filesystem::canonical(VELLORIA_BIN_DIR "/Velloria.chm"));
}

// Without a CHM viewer the HTML pages go to a browser, and the command line names it; with
// no browser either it says why and where the pages are.
TEST(HelpFile, VeloHelpWithoutAViewerOpensThePagesInABrowser) {
    testing_support::TempDir dir;
    const std::string record = dir / "opened.txt";
    const std::string browser = dir / "browser.sh";
    testing_support::WriteFile(browser, "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".tmp && /bin/mv " + record + ".tmp " + record + "\n");
    std::filesystem::permissions(browser, std::filesystem::perms::owner_all);
    std::filesystem::create_directory(dir.path() / "empty");
    testing_support::WriteFile(dir / "run.scr", "Velo_Help\n");
    auto run = [&](const std::string& env) {
        const std::string command = "env -u VELLORIA_MODULE -u VELLORIA_OPENER PATH='" + (dir / "empty") + "' VELLORIA_REGISTRY='" +
                                    (dir / "registry.reg") + "' " + env + " '" VELLORIA_BIN_DIR "/velloria' -s '" + (dir / "run.scr") +
                                    "' >'" + (dir / "out.txt") + "' 2>&1 </dev/null";
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
        return testing_support::ReadFile(dir / "out.txt");
    };
    const std::string pages = std::filesystem::canonical(VELLORIA_BIN_DIR "/help/index.html").string();

    std::string out = run("BROWSER='missing-browser:" + browser + " %s'");
    EXPECT_NE(out.find("No CHM viewer was found; the help pages "), std::string::npos) << out;
    EXPECT_NE(out.find(" were given to " + browser + "."), std::string::npos) << out;
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) ::usleep(10000);
    EXPECT_EQ(std::filesystem::canonical(testing_support::ReadFile(record)).string(), pages);

    out = run("BROWSER=");
    EXPECT_NE(out.find("Cannot show the help: no CHM viewer (xchm, kchmviewer, chmsee) and no web browser was found ($BROWSER is not set"),
              std::string::npos)
        << out;
    // Where the pages are, and the way to read one without a browser.
    EXPECT_NE(out.find("The help pages are " + pages + "; HELP NAME prints a command's page here."), std::string::npos) << out;
}

}  // namespace
