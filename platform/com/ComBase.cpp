#include "com/ComBase.h"

#include <utility>
#include <vector>

namespace {

thread_local int t_initCount = 0;

// Classes whose registration has been removed (tests of a machine without the component).
std::vector<CLSID>& Unregistered() {
    static std::vector<CLSID> classes;
    return classes;
}

// The classes components put in the registry when they load, as installing them would.
std::vector<std::pair<CLSID, platform::ClassFactory>>& Classes() {
    static std::vector<std::pair<CLSID, platform::ClassFactory>> classes;
    return classes;
}

bool IsRegistered(REFCLSID clsid) {
    for (const auto& c : Unregistered())
        if (c == clsid) return false;
    return true;
}

}  // namespace

HRESULT CoInitialize(LPVOID) { return ++t_initCount == 1 ? S_OK : S_FALSE; }

void CoUninitialize() {
    if (t_initCount > 0) --t_initCount;
}

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (t_initCount == 0) return CO_E_NOTINITIALIZED;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (!(context & CLSCTX_INPROC_SERVER) || !IsRegistered(clsid)) return REGDB_E_CLASSNOTREG;
    IUnknown* created = nullptr;
    for (const auto& [registered, factory] : Classes())
        if (registered == clsid) created = factory();
    if (!created) return REGDB_E_CLASSNOTREG;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

HRESULT OleRun(LPUNKNOWN object) { return object ? S_OK : E_INVALIDARG; }

namespace platform {

int ComInitCount() { return t_initCount; }

bool RegisterClassFactory(REFCLSID clsid, ClassFactory factory) {
    Classes().emplace_back(clsid, factory);
    return true;
}

void SetClassRegistered(REFCLSID clsid, bool registered) {
    auto& classes = Unregistered();
    std::erase(classes, clsid);
    if (!registered) classes.push_back(clsid);
}

}  // namespace platform
