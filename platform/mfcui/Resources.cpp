// The resource tables of the loaded modules and the handle that is current.
#include <map>

#include "mfcui/DialogResource.h"

namespace {

std::map<HINSTANCE, const RESOURCETABLE*>& Tables() {
    static std::map<HINSTANCE, const RESOURCETABLE*> tables;
    return tables;
}

HINSTANCE s_current = nullptr;

}  // namespace

void AfxRegisterResources(HINSTANCE hInstance, const RESOURCETABLE* table) { Tables()[hInstance] = table; }
HINSTANCE AfxGetResourceHandle() { return s_current; }
void AfxSetResourceHandle(HINSTANCE hInstance) { s_current = hInstance; }

const DLGTEMPLATEDESC* AfxFindDialogTemplate(HINSTANCE hInstance, UINT nID, const wchar_t* name) {
    const auto it = Tables().find(hInstance);
    if (it == Tables().end() || !it->second) return nullptr;
    for (const DLGTEMPLATEDESC& dialog : it->second->dialogs) {
        if (name ? (dialog.name && CString(dialog.name).CompareNoCase(name) == 0) : (!dialog.name && dialog.nID == nID)) return &dialog;
    }
    return nullptr;
}

HICON LoadIconW(HINSTANCE hInstance, UINT nID) {
    const auto it = Tables().find(hInstance);
    if (it == Tables().end() || !it->second) return nullptr;
    for (const ICONRESOURCE& icon : it->second->icons) {
        if (icon.nID == nID) return &icon;
    }
    return nullptr;
}

CAcModuleResourceOverride::CAcModuleResourceOverride(HINSTANCE hResources) : m_previous(AfxGetResourceHandle()) {
    AfxSetResourceHandle(hResources);
}

CAcModuleResourceOverride::~CAcModuleResourceOverride() { AfxSetResourceHandle(m_previous); }
