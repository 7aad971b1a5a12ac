#include <gtest/gtest.h>

#include <vector>

#include "editor/CommandStack.h"
#include "editor/LispFunctions.h"
#include "runtime/RxApp.h"

namespace {

void Noop() {}

const _ACED_ARXCOMMAND_ENTRY kCommands[] = {
    {L"T1", L"_One", L"One", ACRX_CMD_MODAL, &Noop, nullptr, 0},
    {L"T2", L"_Two", L"Two", ACRX_CMD_MODAL, &Noop, nullptr, 0},
};

int g_lispCalls = 0;
int LispFn() {
    ++g_lispCalls;
    return RSRSLT;
}
const _ACED_ADSFUNCTION_ENTRY kFunctions[] = {
    {L"c:first", &LispFn, false, 0},
    {L"second", &LispFn, true, 0},
};

const char g_anchor = 0;
HINSTANCE g_instance = &g_anchor;

// Records which handler each message reached.
class RecordingApp : public AcRxArxApp {
public:
    RecordingApp() : AcRxArxApp(&g_instance, kCommands, kFunctions) {}
    std::vector<int> calls;
#define RECORD(MSG)                                        \
    AcRx::AppRetCode On_##MSG(void* pkt) override {        \
        calls.push_back(AcRx::MSG);                        \
        return AcRxArxApp::On_##MSG(pkt);                  \
    }
    RECORD(kInitAppMsg)
    RECORD(kUnloadAppMsg)
    RECORD(kLoadDwgMsg)
    RECORD(kUnloadDwgMsg)
    RECORD(kInvkSubrMsg)
    RECORD(kCfgMsg)
    RECORD(kEndMsg)
    RECORD(kQuitMsg)
    RECORD(kSaveMsg)
    RECORD(kDependencyMsg)
    RECORD(kNoDependencyMsg)
    RECORD(kOleUnloadAppMsg)
    RECORD(kPreQuitMsg)
    RECORD(kInitDialogMsg)
    RECORD(kEndDialogMsg)
    RECORD(kNullMsg)
#undef RECORD
    int serverRegistrations = 0;
    void RegisterServerComponents() override { ++serverRegistrations; }
};

TEST(AppDispatch, EachCodeReachesItsHandlerAndOthersNone) {
    RecordingApp app;
    for (int code = 0; code <= 15; ++code) {
        app.calls.clear();
        EXPECT_EQ(app.EntryPoint(static_cast<AcRx::AppMsgCode>(code), &app), AcRx::kRetOK);
        EXPECT_EQ(app.calls, std::vector<int>{code}) << code;
    }
    app.EntryPoint(AcRx::kUnloadAppMsg, &app);
    for (int code : {16, 17, 100, -1}) {
        app.calls.clear();
        EXPECT_EQ(app.EntryPoint(static_cast<AcRx::AppMsgCode>(code), &app), AcRx::kRetOK);
        EXPECT_TRUE(app.calls.empty()) << code;
    }
}

TEST(AppDispatch, LoadRegistersTheCommandTableAndUnloadRemovesIt) {
    RecordingApp app;
    int appId = 0;
    app.EntryPoint(AcRx::kInitAppMsg, &appId);
    EXPECT_EQ(app.serverRegistrations, 1);
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(&appId));
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(&appId));
    for (const auto& entry : kCommands) {
        AcEdCommand* c = acedRegCmds->lookupGlobalCmd(entry.pszCmdGroupName, entry.pszCmdGlobalName);
        ASSERT_NE(c, nullptr);
        EXPECT_STREQ(c->localName(), entry.pszCmdLocalName);
        EXPECT_EQ(c->functionCode(), -1);
        EXPECT_EQ(c->resourceHandle(), g_instance);
        EXPECT_EQ(c->UIContext(), nullptr);
    }
    app.EntryPoint(AcRx::kUnloadAppMsg, &appId);
    EXPECT_EQ(acedRegCmds->lookupCmd(L"One"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupCmd(L"Two"), nullptr);
    acrxDynamicLinker->forgetApplication(&appId);
}

TEST(AppDispatch, LispFunctionsLiveFromDrawingLoadToUnload) {
    RecordingApp app;
    app.EntryPoint(AcRx::kLoadDwgMsg, nullptr);
    ASSERT_EQ(platform::LispFunctionCode(L"C:FIRST"), std::optional<short>(0));
    ASSERT_EQ(platform::LispFunctionCode(L"second"), std::optional<short>(1));
    EXPECT_EQ(acedGetFunCode(), RTERROR);

    // A registered function is called directly; the other goes through kInvkSubrMsg.
    g_lispCalls = 0;
    EXPECT_EQ(platform::InvokeLispFunction(L"second"), RSRSLT);
    EXPECT_EQ(g_lispCalls, 1);
    static RecordingApp* s_app = &app;
    auto dispatch = [](void*) -> int { return s_app->EntryPoint(AcRx::kInvkSubrMsg, nullptr) == AcRx::kRetOK ? RSRSLT : RSERR; };
    app.calls.clear();
    EXPECT_EQ(platform::InvokeLispFunction(L"c:first", dispatch), RSRSLT);
    EXPECT_EQ(app.calls, std::vector<int>{AcRx::kInvkSubrMsg});
    EXPECT_EQ(g_lispCalls, 2);

    app.EntryPoint(AcRx::kUnloadDwgMsg, nullptr);
    EXPECT_FALSE(platform::LispFunctionCode(L"c:first").has_value());
    EXPECT_EQ(platform::InvokeLispFunction(L"second"), RTERROR);
    EXPECT_EQ(acedUndef(L"second", 1), RTERROR);
    EXPECT_EQ(acedRegFunc(&LispFn, 7), RTERROR);
    EXPECT_EQ(acedDefun(L"", 1), RTERROR);
}

}  // namespace
