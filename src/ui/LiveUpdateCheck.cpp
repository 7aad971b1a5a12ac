#include "ui/LiveUpdateCheck.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "db/HostServices.h"
#include "mfc/Internet.h"
#include "runtime/ShellExecute.h"
#include "support/Version.h"

namespace {

constexpr const wchar_t* kUpdateListPath = L"updatelist/checkforupdate.txt";

std::vector<CString> SplitVersion(const CString& strVersion) {
    std::vector<CString> parts;
    int nStart = 0;
    for (;;) {
        const int nDot = strVersion.Find(L'.', nStart);
        if (nDot < 0) {
            parts.push_back(strVersion.Mid(nStart));
            return parts;
        }
        parts.push_back(strVersion.Mid(nStart, nDot - nStart));
        nStart = nDot + 1;
    }
}

// The value of the leading decimal digits; 0 without any. Very long runs of digits saturate
// rather than overflow.
unsigned long long PartValue(const CString& strPart) {
    unsigned long long value = 0;
    for (int i = 0; i < strPart.GetLength() && strPart[i] >= L'0' && strPart[i] <= L'9'; ++i) {
        const unsigned digit = static_cast<unsigned>(strPart[i] - L'0');
        value = value > (~0ULL - digit) / 10 ? ~0ULL : value * 10 + digit;
    }
    return value;
}

}  // namespace

CString CLiveUpdateCheck::GetUpdateServer() {
    if (const char* override = std::getenv("VELLORIA_UPDATE_URL"); override && *override)
        return CString::FromUtf8(override);
    return VELLORIA_UPDATE_SERVER;
}

CString CLiveUpdateCheck::BuildKey() {
    AcDbHostApplicationServices* services = acdbHostApplicationServices();
    const CString strProgram = services->program();
    CString strKey;
    strKey.Format(L"%s*%d*%s:", strProgram.CompareNoCase(L"acadlt") == 0 ? L"ACADLT" : L"ACAD",
                  services->releaseMajorVersion(), VELLORIA_PRODUCT_NAME);
    strKey.MakeLower();
    return strKey;
}

BOOL CLiveUpdateCheck::IsNewerVersion(const CString& strOffered, const CString& strRunning) {
    const std::vector<CString> offered = SplitVersion(strOffered);
    const std::vector<CString> running = SplitVersion(strRunning);
    for (size_t i = 0; i < offered.size() && i < running.size(); ++i) {
        const unsigned long long nOffered = PartValue(offered[i]);
        const unsigned long long nRunning = PartValue(running[i]);
        if (nOffered > nRunning) return TRUE;
        if (nOffered < nRunning) return FALSE;
    }
    return FALSE;
}

void CLiveUpdateCheck::SetTimeouts(DWORD dwConnectMs, DWORD dwTotalMs) {
    m_dwConnectTimeoutMs = dwConnectMs;
    m_dwTotalTimeoutMs = dwTotalMs;
}

void CLiveUpdateCheck::OnInitDialog() {
    m_controls.ShowControl(IDC_LIVEUPDATE_LINK, FALSE);
    m_controls.ShowControl(IDC_LIVEUPDATE_DOWNLOAD_TAIL, FALSE);
}

void CLiveUpdateCheck::OnLinkClicked() {
    ShellExecuteW(nullptr, L"open", GetDownloadPage(), nullptr, nullptr, SW_SHOWNORMAL);
}

CString CLiveUpdateCheck::ReadVersionText(CHttpFile& file, const CString& strKey) {
    // Whole lines, however long (the response itself is bounded by the internet layer): read
    // in pieces of a fixed size, a key that straddles two pieces would go unseen.
    CString strLine;
    while (file.ReadString(strLine)) {
        strLine.MakeLower();
        const int nKey = strLine.Find(strKey);
        if (nKey < 0) continue;
        // The text after the key: the line's tail when the key starts the line, and still the
        // offered version when something stands before the key.
        CString strVersion = strLine.Mid(nKey + strKey.GetLength());
        strVersion.Trim();
        return strVersion;
    }
    return CString();
}

void CLiveUpdateCheck::OnCheckUp() {
    m_controls.EnableControl(IDC_LIVEUPDATE_CHECK, FALSE);
    m_controls.EnableControl(IDC_LIVEUPDATE_CLOSE, FALSE);
    m_controls.ShowControl(IDC_LIVEUPDATE_LINK, FALSE);
    m_controls.ShowControl(IDC_LIVEUPDATE_DOWNLOAD_TAIL, FALSE);
    m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, L"Connecting...");

    CInternetSession session(VELLORIA_PRODUCT_NAME);
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, m_dwConnectTimeoutMs);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, m_dwTotalTimeoutMs);
    std::unique_ptr<CHttpConnection> pConnection;
    std::unique_ptr<CHttpFile> pFile;
    try {
        DWORD dwService = 0;
        CString strServer;
        CString strObject;
        INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER;
        const BOOL bParsed = AfxParseURL(GetUpdateServer(), dwService, strServer, strObject, nPort);
        const DWORD dwSecure = dwService == AFX_INET_SERVICE_HTTPS ? INTERNET_FLAG_SECURE : 0;
        if (bParsed) pConnection.reset(session.GetHttpConnection(strServer, dwSecure, nPort));
        if (!pConnection) {
            m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, L"Network connection failed.");
        } else {
            if (strObject.IsEmpty() || strObject[strObject.GetLength() - 1] != L'/') strObject += L'/';
            strObject += kUpdateListPath;
            pFile.reset(pConnection->OpenRequest(L"GET", strObject, nullptr, 1, nullptr, nullptr,
                                                 INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_RELOAD |
                                                     INTERNET_FLAG_DONT_CACHE | dwSecure));
            pFile->SendRequest();
            DWORD dwStatus = 0;
            pFile->QueryInfoStatusCode(dwStatus);
            if (dwStatus != HTTP_STATUS_OK) {
                CString strStatus;
                strStatus.Format(L"Network connection failed: %ld.", static_cast<long>(dwStatus));
                m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, strStatus);
            } else {
                CString strVersion = ReadVersionText(*pFile, BuildKey());
                pFile->Close();
                pConnection->Close();
                if (strVersion.IsEmpty()) strVersion = VELLORIA_VERSION;
                CString strStatus;
                if (IsNewerVersion(strVersion, VELLORIA_VERSION)) {
                    strStatus.Format(L"The new version %s is available.\nPlease download the new version by visiting",
                                     strVersion.GetString());
                    m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, strStatus);
                    m_controls.ShowControl(IDC_LIVEUPDATE_LINK, TRUE);
                } else {
                    strStatus.Format(L"%s version is current and up-to-date.", VELLORIA_PRODUCT_NAME);
                    m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, strStatus);
                }
            }
        }
    } catch (CInternetException* e) {
        pFile.reset();
        pConnection.reset();
        session.Close();
        m_controls.SetControlText(IDC_LIVEUPDATE_STATUS, L"Network connection failed.");
        e->Delete();
    }
    m_controls.EnableControl(IDC_LIVEUPDATE_CHECK, TRUE);
    m_controls.EnableControl(IDC_LIVEUPDATE_CLOSE, TRUE);
}
