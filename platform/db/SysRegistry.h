#pragma once
// The host's system registry: named service objects a plug-in looks up, such as the dynamic
// linker ("DynamicLinker") and the command stack ("ACAD_REGISTERED_COMMANDS").
#include <map>
#include <string>

#include "win/WinTypes.h"

#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"

// Anything the system registry holds.
class AcRxRegistryEntry {
public:
    virtual ~AcRxRegistryEntry() = default;
};

// Name -> service lookup, names compared without regard to case. The dictionary does not own
// its entries: the host's services live as long as the host.
class AcRxDictionary {
public:
    AcRxRegistryEntry* at(const wchar_t* key) const;
    // Stores the entry under key and returns the one it replaced (or null).
    AcRxRegistryEntry* atPut(const wchar_t* key, AcRxRegistryEntry* entry);
    AcRxRegistryEntry* remove(const wchar_t* key);
    bool has(const wchar_t* key) const { return at(key) != nullptr; }

private:
    std::map<std::wstring, AcRxRegistryEntry*> m_entries;  // by folded key
};

// The system registry, with the host's dynamic linker and command stack in it.
AcRxDictionary* acrxSysRegistry();

// The dynamic linker: which loaded applications may be unloaded on request and which work
// with several open drawings. An application is named by the packet of its kInitAppMsg.
class AcRxDynamicLinker : public AcRxRegistryEntry {
public:
    static AcRxDynamicLinker* cast(AcRxRegistryEntry* entry) { return dynamic_cast<AcRxDynamicLinker*>(entry); }
    bool unlockApplication(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool registerAppMDIAware(void* appId);
    bool isAppMDIAware(void* appId) const;
    // Host side: forgets an application when it is unloaded.
    void forgetApplication(void* appId);

private:
    std::map<void*, bool> m_unlocked;
    std::map<void*, bool> m_mdiAware;
};

AcRxDynamicLinker* acrxDynamicLinkerPtr();
#define acrxDynamicLinker acrxDynamicLinkerPtr()
