#include "db/SysRegistry.h"

#include "mfc/String.h"

namespace {

std::wstring Fold(const wchar_t* key) {
    std::wstring folded = key ? key : L"";
    for (auto& ch : folded) ch = platform::ToLowerChar(ch);
    return folded;
}

}  // namespace

AcRxRegistryEntry* AcRxDictionary::at(const wchar_t* key) const {
    auto it = m_entries.find(Fold(key));
    return it == m_entries.end() ? nullptr : it->second;
}

AcRxRegistryEntry* AcRxDictionary::atPut(const wchar_t* key, AcRxRegistryEntry* entry) {
    AcRxRegistryEntry*& slot = m_entries[Fold(key)];
    AcRxRegistryEntry* previous = slot;
    slot = entry;
    return previous;
}

AcRxRegistryEntry* AcRxDictionary::remove(const wchar_t* key) {
    auto it = m_entries.find(Fold(key));
    if (it == m_entries.end()) return nullptr;
    AcRxRegistryEntry* previous = it->second;
    m_entries.erase(it);
    return previous;
}

AcRxDictionary* acrxSysRegistry() {
    // The command stack is docked by the editor (editor/CommandStack.cpp) when it loads.
    static AcRxDynamicLinker linker;
    static AcRxDictionary registry = [] {
        AcRxDictionary d;
        d.atPut(ACRX_DYNAMIC_LINKER, &linker);
        return d;
    }();
    return &registry;
}

AcRxDynamicLinker* acrxDynamicLinkerPtr() { return AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER)); }

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    m_unlocked[appId] = true;
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const {
    auto it = m_unlocked.find(appId);
    return it == m_unlocked.end() || !it->second;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    m_mdiAware[appId] = true;
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const {
    auto it = m_mdiAware.find(appId);
    return it != m_mdiAware.end() && it->second;
}

void AcRxDynamicLinker::forgetApplication(void* appId) {
    m_unlocked.erase(appId);
    m_mdiAware.erase(appId);
}
