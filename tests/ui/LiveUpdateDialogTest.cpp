// The update check and about dialogs on their widgets.
#include "UiFixture.h"

#include "testing/LocalHttpServer.h"
#include "ui/AboutDlg.h"
#include "ui/LiveUpdateDlg.h"

namespace {

using testing_support::LocalHttpServer;

class LiveUpdateDialogTest : public ui_test::DialogTest {
protected:
    bool Visible(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowVisible(); }

    testing_support::ScopedEnv noProxy{"no_proxy", "127.0.0.1"};
};

TEST_F(LiveUpdateDialogTest, OpensWithTheLinkInPlaceAndHidden) {
    CLiveUpdateDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_STATUS), CString(L"Click Check up to see if a new version is available."));
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_LINK), CString(L"https://www.morvane.com/velloria/download"));
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_CHECK), CString(L"&Check up"));
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_CLOSE), CString(L"Close"));
    for (int id : {IDC_LIVEUPDATE_DOWNLOAD, IDC_LIVEUPDATE_DOWNLOAD_TAIL, IDC_LIVEUPDATE_LINK}) EXPECT_FALSE(Visible(dlg, id)) << id;
    RECT place, link;
    dlg.GetDlgItem(IDC_LIVEUPDATE_DOWNLOAD)->GetWindowRect(&place);
    dlg.GetDlgItem(IDC_LIVEUPDATE_LINK)->GetWindowRect(&link);
    EXPECT_EQ(link.left, place.left);
    EXPECT_EQ(link.top, place.top);
}

TEST_F(LiveUpdateDialogTest, CheckUpShowsTheResultAndTheLinkOpensTheDownloadPage) {
    const std::string record = m_dir / "opened.txt";
    const std::string opener = m_dir / "opener.sh";
    testing_support::WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".tmp && mv " + record + ".tmp " + record + "\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    testing_support::ScopedEnv openerEnv("VELLORIA_OPENER", opener);

    LocalHttpServer server(LocalHttpServer::Response(200, "acad*22*velloria:2.10.0.0\n"));
    testing_support::ScopedEnv url("VELLORIA_UPDATE_URL", server.Url("/velloria/"));
    CLiveUpdateDlg dlg;
    ASSERT_TRUE(dlg.Create());
    Act(dlg, "click \"&Check up\"");
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_STATUS),
              CString(L"The new version 2.10.0.0 is available.\nPlease download the new version by visiting"));
    EXPECT_TRUE(Visible(dlg, IDC_LIVEUPDATE_LINK));
    EXPECT_FALSE(Visible(dlg, IDC_LIVEUPDATE_DOWNLOAD_TAIL));
    EXPECT_TRUE(Enabled(dlg, IDC_LIVEUPDATE_CHECK));
    EXPECT_TRUE(Enabled(dlg, IDC_LIVEUPDATE_CLOSE));

    Act(dlg, "click 3556");
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) ::usleep(10000);
    EXPECT_EQ(testing_support::ReadFile(record), "https://www.morvane.com/velloria/download");

    Act(dlg, "click Close");
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetResult(), IDOK);
}

TEST_F(LiveUpdateDialogTest, AFailedCheckLeavesTheButtonsUsable) {
    testing_support::ScopedEnv url("VELLORIA_UPDATE_URL", "http://127.0.0.1:" + std::to_string(LocalHttpServer::RefusedPort()) + "/");
    CLiveUpdateDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.GetCheck().SetTimeouts(1000, 1000);
    Act(dlg, "click 214");
    EXPECT_EQ(Text(dlg, IDC_LIVEUPDATE_STATUS), CString(L"Network connection failed."));
    EXPECT_FALSE(Visible(dlg, IDC_LIVEUPDATE_LINK));
    EXPECT_TRUE(Enabled(dlg, IDC_LIVEUPDATE_CHECK));
    EXPECT_TRUE(Enabled(dlg, IDC_LIVEUPDATE_CLOSE));
}

TEST_F(LiveUpdateDialogTest, AboutBoxNamesTheProductAndVersion) {
    CAboutDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Text(dlg, IDC_ABOUT_NAME), CString(L"Morvane Velloria"));
    EXPECT_EQ(Text(dlg, IDC_ABOUT_VERSION), CString(L"Version 2.7.1.0"));
    Act(dlg, "click OK");
    EXPECT_TRUE(dlg.IsEnded());
}

}  // namespace
