// The toolkit is loaded only where it is used: a console tool runs without it, a plot or a
// dialog loads it when it is first needed, and a dialog whose library is missing says so.
// The loader's own trace (LD_DEBUG=files) names every library a run opens, dlopen included.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::RunIn;
using testing_support::ToolRun;

class ToolkitLoading : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string velloria = std::string(VELLORIA_BIN_DIR) + "/velloria";
    const std::string data = VELLORIA_TEST_DATA;

    ToolRun Run(const std::string& env, const std::string& args, const std::string& input = "/dev/null") {
        return RunIn(dir.path(), "env -u VELLORIA_MODULE -u DISPLAY -u WAYLAND_DISPLAY VELLORIA_REGISTRY='" + (dir / "registry.reg") + "' " +
                                     env + " '" + velloria + "' " + args,
                     input);
    }
};

TEST_F(ToolkitLoading, APreviewOpensNoToolkitLibraryAndAPlotOpensItWhenNeeded) {
    const ToolRun preview = Run("LD_DEBUG=files", "preview '" + data + "/nwind.mdb' --table Shippers");
    ASSERT_EQ(preview.status, 0) << preview.err;
    EXPECT_TRUE(Has(preview.out, "Speedy Express"));
    // The trace is there (it names the module), and it names no Qt library.
    EXPECT_TRUE(Has(preview.err, "/Velloria.so"));
    EXPECT_FALSE(Has(preview.err, "libQt6")) << "a console tool loaded the toolkit";
    EXPECT_FALSE(Has(preview.err, "libvelloria_gui.so"));
    EXPECT_FALSE(Has(preview.err, "VelloriaDialogs.so"));

    const ToolRun plot = Run("LD_DEBUG=files", "plot '" + data + "/acad_table_simple.dxf' -o '" + (dir / "sheet.png") + "'");
    ASSERT_EQ(plot.status, 0) << plot.err;
    EXPECT_TRUE(Has(plot.out, "plotted Model to"));
    EXPECT_TRUE(Has(plot.err, "libvelloria_gui.so"));
    EXPECT_TRUE(Has(plot.err, "libQt6Gui"));
    EXPECT_TRUE(std::filesystem::file_size(dir / "sheet.png") > 0);
}

TEST_F(ToolkitLoading, ADialogLoadsItsLibraryAndOneWithoutItSaysWhy) {
    const std::string script = dir / "about.txt";
    testing_support::WriteFile(script, "VELO_ABOUT\nclick OK\nQUIT\n");

    const ToolRun shown = Run("VELLORIA_CONSOLE_DIALOGS=1", "--console", script);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_TRUE(Has(shown.out, "Dialog \"About Velloria\"")) << shown.out;

    // The module alone in a folder, without the dialog library beside it: the command says
    // what is missing, and the session goes on.
    const std::string alone = dir / "alone";
    std::filesystem::create_directory(alone);
    std::filesystem::copy_file(std::string(VELLORIA_BIN_DIR) + "/Velloria.so", alone + "/Velloria.so");
    const ToolRun missing = RunIn(dir.path(),
                                  "env -u DISPLAY -u WAYLAND_DISPLAY VELLORIA_CONSOLE_DIALOGS=1 VELLORIA_MODULE='" + alone + "/Velloria.so' VELLORIA_REGISTRY='" +
                                      (dir / "registry.reg") + "' '" + velloria + "' --console",
                                  script);
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_TRUE(Has(missing.out, "The dialogs cannot be shown: " + alone + "/VelloriaDialogs.so")) << missing.out;
    EXPECT_FALSE(Has(missing.out, "Dialog \"About Velloria\""));
}

}  // namespace
