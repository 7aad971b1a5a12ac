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

}  // namespace
