#pragma once
// Dialog templates and icons as a module's resources: each template lists its controls with
// id, kind, text and rectangle in dialog units. A module registers its table under its
// resource handle; a dialog finds its template in the resources that are current.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "mfcui/UiTypes.h"

enum class DlgItemKind { Static, GroupBox, PushButton, CheckBox, Edit, ComboBox, ListBox, TreeView, ListView };

struct DLGITEM {
    int nID;
    DlgItemKind kind;
    const wchar_t* text;
    short x, y, cx, cy;  // dialog units
    DWORD style = 0;     // the kind's styles (ES_*, CBS_*, LBS_*, TVS_*, LVS_*, BS_*, WS_DISABLED ...)
};

struct DLGTEMPLATEDESC {
    UINT nID;               // numeric resource id, 0 when the template is named
    const wchar_t* name;    // resource name, null for a numeric one
    const wchar_t* title;
    short cx, cy;           // dialog units
    std::vector<DLGITEM> items;
    DWORD style = 0;        // WS_THICKFRAME: the user may resize the dialog (DialogResize.h)
};

// A 16 x 16 icon drawn as text: one character per pixel, '.' transparent, other characters
// looked up in the palette (0xRRGGBB).
struct ICONRESOURCE {
    UINT nID;
    const char* rows[16];
    std::vector<std::pair<char, std::uint32_t>> palette;
};

struct RESOURCETABLE {
    std::vector<DLGTEMPLATEDESC> dialogs;
    std::vector<ICONRESOURCE> icons;
};

// Registers a module's table under its handle (any address inside the module).
void AfxRegisterResources(HINSTANCE hInstance, const RESOURCETABLE* table);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);

// Lookups in the resources of a handle; null when absent.
const DLGTEMPLATEDESC* AfxFindDialogTemplate(HINSTANCE hInstance, UINT nID, const wchar_t* name);
HICON LoadIconW(HINSTANCE hInstance, UINT nID);

// Makes a module's resources current for its lifetime; the previous handle comes back after.
class CAcModuleResourceOverride {
public:
    explicit CAcModuleResourceOverride(HINSTANCE hResources);
    ~CAcModuleResourceOverride();
    CAcModuleResourceOverride(const CAcModuleResourceOverride&) = delete;
    CAcModuleResourceOverride& operator=(const CAcModuleResourceOverride&) = delete;

private:
    HINSTANCE m_previous;
};
