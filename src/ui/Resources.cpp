// The dialog templates (dialog units) and the tree icons of the module.
#include "ui/Resource.h"
#include "ui/LiveUpdateCheck.h"

namespace {

using K = DlgItemKind;

const RESOURCETABLE s_resources{
    {
        {IDD_DBDIALOG, nullptr, L"Velloria", 405, 275,
         {
             {IDC_STATIC, K::Static, L"Data Source:", 7, 7, 120, 8},
             {IDC_TREE_DATASOURCE, K::TreeView, L"", 7, 17, 130, 174, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER},
             {IDC_STATIC, K::Static, L"Data View:", 144, 7, 120, 8},
             {IDC_LIST_DATA, K::ListView, L"", 144, 17, 254, 174, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER},
             {IDC_OPEN_DATABASE, K::PushButton, L"Open Database", 7, 196, 64, 14},
             {IDC_CLOSE_DATABASE, K::PushButton, L"Close Database", 73, 196, 64, 14},
             {IDC_NEW_QUERY, K::PushButton, L"New Query", 7, 213, 64, 14},
             {IDC_CUSTOMIZE_WIDTH, K::PushButton, L"Customize Column Width", 144, 196, 110, 14},
             {IDC_CUSTOMIZE_HEADING, K::PushButton, L"Customize Column Heading", 258, 196, 110, 14},
             {IDC_STATIC, K::Static, L"Table Style:", 144, 217, 48, 8},
             {IDC_TABLE_STYLE, K::ComboBox, L"", 194, 215, 120, 80, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL},
             {IDC_INCLUDE_HEADER, K::CheckBox, L"Include Header", 144, 233, 160, 10, BS_AUTOCHECKBOX},
             {IDC_CHECK_130, K::CheckBox, L"Insert the data into an existing table", 144, 246, 170, 10, BS_AUTOCHECKBOX},
             {IDC_CREATE_TABLE, K::PushButton, L"Create Table ...", 284, 254, 58, 14},
             {IDCANCEL, K::PushButton, L"Close", 346, 254, 52, 14},
         },
         WS_THICKFRAME},
        {0, IDD_CONNECTDIALOG, L"Database", 236, 141,
         {
             {IDC_STATIC, K::Static, L"Connect String:", 7, 9, 56, 8},
             // Not sorted: the two Access rows stay first, where a stored index expects them.
             {IDC_CONNECT_STRING, K::ComboBox, L"", 64, 7, 165, 90, CBS_DROPDOWNLIST | WS_VSCROLL},
             {IDC_DRIVER_STATE, K::Static, L"", 64, 22, 165, 8},
             {IDC_STATIC, K::Static, L"Server:", 7, 37, 56, 8},
             {IDC_SERVER, K::Edit, L"", 64, 35, 165, 12, ES_AUTOHSCROLL},
             {IDC_STATIC, K::Static, L"Database:", 7, 55, 56, 8},
             {IDC_DATABASE, K::Edit, L"", 64, 53, 145, 12, ES_AUTOHSCROLL},
             {IDC_BROWSE, K::PushButton, L"...", 212, 53, 17, 12},
             {IDC_CHECK_130, K::CheckBox, L"Relative Path", 64, 68, 100, 10, BS_AUTOCHECKBOX},
             {IDC_STATIC, K::Static, L"User:", 7, 84, 56, 8},
             {IDC_USER, K::Edit, L"", 64, 82, 165, 12, ES_AUTOHSCROLL},
             {IDC_STATIC, K::Static, L"Password:", 7, 101, 56, 8},
             {IDC_PASSWORD, K::Edit, L"", 64, 99, 165, 12, ES_AUTOHSCROLL | ES_PASSWORD},
             {IDOK, K::PushButton, L"&OK", 122, 120, 50, 14, BS_DEFPUSHBUTTON},
             {IDCANCEL, K::PushButton, L"&Cancel", 179, 120, 50, 14},
         }},
        {0, IDD_DBPROPERTYDIALOG, L"Properties", 236, 217,
         {
             {IDC_STATIC, K::Static, L"Connect String:", 7, 9, 56, 8},
             {IDC_CONNECT_STRING, K::ComboBox, L"", 64, 7, 165, 90, CBS_DROPDOWNLIST | WS_VSCROLL},
             {IDC_STATIC, K::Static, L"Database:", 7, 27, 56, 8},
             {IDC_DATABASE, K::Edit, L"", 64, 25, 145, 12, ES_AUTOHSCROLL},
             {IDC_BROWSE, K::PushButton, L"...", 212, 25, 17, 12},
             {IDC_STATIC, K::Static, L"User:", 7, 45, 56, 8},
             {IDC_USER, K::Edit, L"", 64, 43, 165, 12, ES_AUTOHSCROLL},
             {IDC_STATIC, K::Static, L"Password:", 7, 63, 56, 8},
             {IDC_PASSWORD, K::Edit, L"", 64, 61, 165, 12, ES_AUTOHSCROLL | ES_PASSWORD},
             {IDC_STATIC, K::Static, L"Table/View:", 7, 81, 56, 8},
             {IDC_TABLE_NAME, K::ComboBox, L"", 64, 79, 165, 80, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL},
             {IDC_STATIC, K::Static, L"SQL:", 7, 99, 56, 8},
             {IDC_SQL, K::Edit, L"", 64, 97, 165, 74, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
             {IDC_CHECK_130, K::CheckBox, L"Update Table", 64, 177, 100, 10, BS_AUTOCHECKBOX},
             {IDOK, K::PushButton, L"OK", 122, 196, 50, 14, BS_DEFPUSHBUTTON},
             {IDCANCEL, K::PushButton, L"Cancel", 179, 196, 50, 14},
         }},
        {0, IDD_QUERYDIALOG, L"Query", 278, 201,
         {
             {IDC_STATIC, K::Static, L"Name:", 7, 9, 30, 8},
             {IDC_QUERY_NAME, K::Edit, L"", 40, 7, 231, 12, ES_AUTOHSCROLL},
             {IDC_STATIC, K::Static, L"SQL:", 7, 25, 30, 8},
             {IDC_SQL, K::Edit, L"", 7, 35, 140, 140, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
             {IDC_ADD_TABLE, K::PushButton, L"<", 151, 60, 14, 14},
             {IDC_STATIC, K::Static, L"Table:", 169, 25, 60, 8},
             {IDC_LIST_TABLES, K::ListBox, L"", 169, 35, 102, 64, LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER},
             {IDC_ADD_FIELD, K::PushButton, L"<", 151, 130, 14, 14},
             {IDC_STATIC, K::Static, L"Fields:", 169, 104, 60, 8},
             {IDC_LIST_FIELDS, K::ListBox, L"", 169, 114, 102, 61, LBS_SORT | WS_VSCROLL | WS_BORDER},
             {IDOK, K::PushButton, L"OK", 164, 180, 50, 14, BS_DEFPUSHBUTTON},
             {IDCANCEL, K::PushButton, L"Cancel", 221, 180, 50, 14},
         }},
        {0, IDD_CUSTOMIZEHEADERDIALOG, L"Customize Column Width", 287, 92,
         {
             {IDC_HEADER_GRID, K::ListView, L"", 7, 7, 273, 40, LVS_REPORT | LVS_ALIGNLEFT | WS_BORDER},
             {IDC_HEADER_HINT, K::Static, L"Double click on the first row to modify the column width.", 7, 52, 273, 8},
             {IDC_LOAD_FROM_FILE, K::PushButton, L"Load from file", 7, 71, 62, 14},
             {IDC_SAVE_TO_FILE, K::PushButton, L"Save to file", 73, 71, 62, 14},
             {IDOK, K::PushButton, L"OK", 173, 71, 50, 14, BS_DEFPUSHBUTTON},
             {IDCANCEL, K::PushButton, L"Cancel", 230, 71, 50, 14},
         }},
        {0, IDD_LIVEUPDATEDLG, L"Check for Update", 188, 95,
         {
             {IDC_LIVEUPDATE_STATUS, K::Static, L"Click Check up to see if a new version is available.", 7, 7, 174, 26},
             {IDC_LIVEUPDATE_DOWNLOAD, K::Static, L"https://www.morvane.com/velloria/download\nto download the new version.", 7, 36, 174, 18},
             {IDC_LIVEUPDATE_LINK, K::PushButton, L"", 7, 36, 174, 10},
             {IDC_LIVEUPDATE_DOWNLOAD_TAIL, K::Static, L"to download the new version.", 7, 56, 174, 8},
             {IDC_LIVEUPDATE_CHECK, K::PushButton, L"&Check up", 74, 74, 50, 14},
             {IDC_LIVEUPDATE_CLOSE, K::PushButton, L"Close", 131, 74, 50, 14, BS_DEFPUSHBUTTON},
         }},
        {IDD_ABOUTBOX, nullptr, L"About Velloria", 188, 70,
         {
             {IDC_ABOUT_NAME, K::Static, L"Morvane Velloria", 7, 7, 174, 8},
             {IDC_ABOUT_VERSION, K::Static, L"", 7, 19, 174, 8},
             {IDC_ABOUT_COPYRIGHT, K::Static, L"Links Access databases to tables in drawings.", 7, 31, 174, 8},
             {IDOK, K::PushButton, L"OK", 131, 49, 50, 14, BS_DEFPUSHBUTTON},
         }},
    },
    {
        {IDI_DATABASE,
         {"....bbbbbbbb....", "..bbwwwwwwwwbb..", ".bwwwwwwwwwwwwb.", ".bbwwwwwwwwwwbb.", ".bybbbbbbbbbbyb.", ".byyyyyyyyyyyyb.",
          ".bbyyyyyyyyyybb.", ".bybbbbbbbbbbyb.", ".byyyyyyyyyyyyb.", ".bbyyyyyyyyyybb.", ".bybbbbbbbbbbyb.", ".byyyyyyyyyyyyb.",
          ".byyyyyyyyyyyyb.", "..bbyyyyyyyybb..", "....bbbbbbbb....", "................"},
         {{'b', 0x1F3A93}, {'w', 0xDDE6F7}, {'y', 0x6D8FD8}}},
        {IDI_TABLE,
         {"................", "kkkkkkkkkkkkkkkk", "khhhhhhhhhhhhhhk", "khhhhhhhhhhhhhhk", "kkkkkkkkkkkkkkkk", "kwwwwkwwwwkwwwwk",
          "kwwwwkwwwwkwwwwk", "kkkkkkkkkkkkkkkk", "kwwwwkwwwwkwwwwk", "kwwwwkwwwwkwwwwk", "kkkkkkkkkkkkkkkk", "kwwwwkwwwwkwwwwk",
          "kwwwwkwwwwkwwwwk", "kkkkkkkkkkkkkkkk", "................", "................"},
         {{'k', 0x40506A}, {'h', 0x7FA7E0}, {'w', 0xFFFFFF}}},
        {IDI_VIEW,
         {"................", "..gggggggggg....", "..gwwwwwwwwg....", "..gwkkkkkkwg....", "..gwwwwwwwwg....", "..gwkkkkkwwg....",
          "..gwwwwwwwwg....", "..gwkkkkkkwgoo..", "..gwwwwwwwwgoooo", "..gwkkkkwwwoo..o", "..gwwwwwwwoo...o", "..gggggggggoo..o",
          "...........oooo.", "............oo..", "................", "................"},
         {{'g', 0x2E7D32}, {'w', 0xF1F8E9}, {'k', 0x7CB342}, {'o', 0xE65100}}},
    },
};

const char s_resourceAnchor = 0;

}  // namespace

HINSTANCE VelloriaResourceHandle() {
    static const bool registered = (AfxRegisterResources(&s_resourceAnchor, &s_resources), true);
    (void)registered;
    return &s_resourceAnchor;
}
