#pragma once
// The update check behind the "Check for Update" dialog: it asks the update server for the
// update list and tells, through the dialog's controls, whether a version newer than the
// running one is offered for this host product and release.
//
// Everything the check shows goes through CLiveUpdateControls, which the dialog implements
// over its controls by id; the check itself knows no widgets.
#include "mfc/Afx.h"

// Control ids of the update check dialog.
constexpr int IDC_LIVEUPDATE_CLOSE = 1;           // "Close", the default button
constexpr int IDC_LIVEUPDATE_STATUS = 211;        // status line
constexpr int IDC_LIVEUPDATE_DOWNLOAD = 212;      // hidden; the link takes its place
constexpr int IDC_LIVEUPDATE_DOWNLOAD_TAIL = 213; // hidden
constexpr int IDC_LIVEUPDATE_CHECK = 214;         // "&Check up"
constexpr int IDC_LIVEUPDATE_LINK = 3556;         // link to the download page

// The update server's base address; VELLORIA_UPDATE_URL replaces it (company mirrors, tests).
constexpr const wchar_t* VELLORIA_UPDATE_SERVER = L"https://update.morvane.com/velloria/";
constexpr const wchar_t* VELLORIA_DOWNLOAD_PAGE = L"https://www.morvane.com/velloria/download";

class CLiveUpdateControls {
public:
    virtual ~CLiveUpdateControls() = default;
    virtual void SetControlText(int nId, const CString& strText) = 0;
    virtual void EnableControl(int nId, BOOL bEnable) = 0;
    virtual void ShowControl(int nId, BOOL bShow) = 0;
};

class CLiveUpdateCheck {
public:
    explicit CLiveUpdateCheck(CLiveUpdateControls& controls) : m_controls(controls) {}

    // When the dialog opens, after it has put the link in place of control 212.
    void OnInitDialog();
    // "&Check up": runs the whole check; both buttons are enabled again when it returns.
    void OnCheckUp();
    // The link was clicked: the download page opens in the browser.
    void OnLinkClicked();

    // Limits of one check, in milliseconds (10 s to connect, 30 s in all unless set).
    void SetTimeouts(DWORD dwConnectMs, DWORD dwTotalMs);

    static CString GetUpdateServer();
    static CString GetDownloadPage() { return VELLORIA_DOWNLOAD_PAGE; }
    // The lowered key of this product's line, "acad*22*velloria:" for the full 2018 host.
    static CString BuildKey();
    // True when strOffered is newer than strRunning: parts between "." compare as the numbers
    // their leading digits make, over the parts both have.
    static BOOL IsNewerVersion(const CString& strOffered, const CString& strRunning);

private:
    // "" when the response has no line with the key.
    CString ReadVersionText(class CHttpFile& file, const CString& strKey);

    CLiveUpdateControls& m_controls;
    DWORD m_dwConnectTimeoutMs = 10'000;
    DWORD m_dwTotalTimeoutMs = 30'000;
};
