// The module's attach and detach, and the entry points the host calls.
#include "runtime/RxApp.h"
#include "app/VelloriaApp.h"

namespace {

// Any address inside the module names it (see GetModuleFileNameW).
const char s_moduleAnchor = 0;

// Runs when the host loads the module, before the host sends any message.
struct ModuleAttach {
    ModuleAttach() { _hdllInstance = &s_moduleAnchor; }
    ~ModuleAttach() { _hdllInstance = nullptr; }
};
ModuleAttach s_attach;

}  // namespace

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
    return theApp.EntryPoint(msg, pkt);
}

extern "C" __attribute__((visibility("default"))) int acrxGetApiVersion() { return ACRX_API_VERSION; }
