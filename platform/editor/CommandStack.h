#pragma once
// The host's command stack: every command the host understands, its own and those of the
// loaded applications, registered by group. A typed name finds a command by its local or its
// global name, without regard to case, with any leading "_" and "." ignored ("_.menuload"
// finds MENULOAD). When two groups define the same name, the group registered last wins.
//
// Results use the host's status numbering: 0 success (eOk), eDuplicateKey, eKeyNotFound,
// eInvalidInput (see kCmd* below).
#include <memory>
#include <string>
#include <vector>

#include "db/SysRegistry.h"
#include "win/WinTypes.h"

using AcRxFunctionPtr = void (*)();
class AcEdUIContext;

// Command flags
constexpr int ACRX_CMD_MODAL = 0x00000000;
constexpr int ACRX_CMD_TRANSPARENT = 0x00000001;
constexpr int ACRX_CMD_USEPICKSET = 0x00000002;
constexpr int ACRX_CMD_REDRAW = 0x00000004;
constexpr int ACRX_CMD_NOPAPERSPACE = 0x00000020;
// The command is no step of the drawing's undo history (the undo commands themselves).
constexpr int ACRX_CMD_NOUNDOMARKER = 0x00000200;
constexpr int ACRX_CMD_SESSION = 0x00200000;

// Status results (the host's Acad::ErrorStatus values)
constexpr int kCmdOk = 0;
constexpr int kCmdInvalidInput = 3;
constexpr int kCmdKeyNotFound = 22;
constexpr int kCmdDuplicateKey = 23;

class AcEdCommand {
public:
    const wchar_t* groupName() const { return m_group.c_str(); }
    const wchar_t* globalName() const { return m_globalName.c_str(); }
    const wchar_t* localName() const { return m_localName.c_str(); }
    int commandFlags() const { return m_flags; }
    AcRxFunctionPtr functionAddr() const { return m_function; }
    AcEdUIContext* UIContext() const { return m_uiContext; }
    int functionCode() const { return m_functionCode; }
    HINSTANCE resourceHandle() const { return m_resource; }

private:
    friend class AcEdCommandStack;
    std::wstring m_group, m_globalName, m_localName;
    int m_flags = 0;
    AcRxFunctionPtr m_function = nullptr;
    AcEdUIContext* m_uiContext = nullptr;
    int m_functionCode = -1;
    HINSTANCE m_resource = nullptr;
};

class AcEdCommandStack : public AcRxRegistryEntry {
public:
    static AcEdCommandStack* cast(AcRxRegistryEntry* entry) { return dynamic_cast<AcEdCommandStack*>(entry); }

    // kCmdDuplicateKey when the group already has a command of that global name,
    // kCmdInvalidInput for an empty group or name or a null function.
    int addCommand(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName, const wchar_t* cmdLocalName,
                   int commandFlags, AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext = nullptr,
                   int fcode = -1, HINSTANCE hResourceHandle = nullptr, AcEdCommand** cmdPtrRet = nullptr);
    int removeCmd(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName);
    int removeGroup(const wchar_t* groupName);

    // The command a typed name runs, or null.
    AcEdCommand* lookupCmd(const wchar_t* name) const;
    // The command of a group by global name, or null.
    AcEdCommand* lookupGlobalCmd(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName) const;

    // Listing: all commands in registration order, and the groups in the order they appeared.
    std::vector<const AcEdCommand*> commands() const;
    std::vector<std::wstring> groupNames() const;

private:
    std::vector<std::unique_ptr<AcEdCommand>> m_commands;
};

// The command stack of the system registry.
AcEdCommandStack* acedRegCmdsPtr();
#define acedRegCmds acedRegCmdsPtr()
