#pragma once
// The module's resources: dialog templates, icons and control ids.
#include "mfcui/DialogResource.h"

// The module's resource handle (its resources registered on first use).
HINSTANCE VelloriaResourceHandle();

// Dialogs
constexpr UINT IDD_DBDIALOG = 113;
constexpr const wchar_t* IDD_CONNECTDIALOG = L"81020170-A9BD-4f93-B046-F2F11E2F3AEC";
constexpr const wchar_t* IDD_DBPROPERTYDIALOG = L"B6198222-5A4C-41dd-978F-607D7626E55F";
constexpr const wchar_t* IDD_QUERYDIALOG = L"9C4AA4F0-2484-41d4-84C9-0F323150D9DB";
constexpr const wchar_t* IDD_CUSTOMIZEHEADERDIALOG = L"0A0B5511-F179-4397-ADA8-A05F7FF84598";
constexpr const wchar_t* IDD_LIVEUPDATEDLG = L"50FC3BF2-28F7-46F4-A3C8-B7739A3F67CE";
constexpr UINT IDD_ABOUTBOX = 100;

// Icons of the data-source tree
constexpr UINT IDI_DATABASE = 201;
constexpr UINT IDI_TABLE = 202;
constexpr UINT IDI_VIEW = 203;

// Controls
constexpr int IDC_TREE_DATASOURCE = 100;
constexpr int IDC_OPEN_DATABASE = 101;
constexpr int IDC_CLOSE_DATABASE = 102;
constexpr int IDC_LIST_DATA = 103;
constexpr int IDC_CREATE_TABLE = 105;
constexpr int IDC_NEW_QUERY = 106;
constexpr int IDC_CONNECT_STRING = 107;
constexpr int IDC_DATABASE = 108;
constexpr int IDC_BROWSE = 109;
constexpr int IDC_USER = 110;
constexpr int IDC_PASSWORD = 111;
constexpr int IDC_LIST_TABLES = 113;
constexpr int IDC_LIST_FIELDS = 114;
constexpr int IDC_SQL = 123;
constexpr int IDC_ADD_TABLE = 124;
constexpr int IDC_ADD_FIELD = 125;
constexpr int IDC_QUERY_NAME = 126;
constexpr int IDC_INCLUDE_HEADER = 128;
constexpr int IDC_CHECK_130 = 130;  // "Insert the data into an existing table", "Relative Path", "Update Table"
constexpr int IDC_TABLE_NAME = 132;
constexpr int IDC_TABLE_STYLE = 134;
constexpr int IDC_SERVER = 138;
constexpr int IDC_DRIVER_STATE = 139;
constexpr int IDC_CUSTOMIZE_WIDTH = 136;   // also "Load from file"
constexpr int IDC_CUSTOMIZE_HEADING = 137; // also "Save to file"
constexpr int IDC_HEADER_GRID = 142;
constexpr int IDC_HEADER_HINT = 143;
constexpr int IDC_LOAD_FROM_FILE = 136;
constexpr int IDC_SAVE_TO_FILE = 137;
constexpr int IDC_LV_EDIT = 3456;
constexpr int IDC_ABOUT_NAME = 150;
constexpr int IDC_ABOUT_VERSION = 151;
constexpr int IDC_ABOUT_COPYRIGHT = 152;
