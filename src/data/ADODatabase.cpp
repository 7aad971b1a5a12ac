#include "data/ADODatabase.h"

#include "editor/Alert.h"
#include "data/ADOError.h"

CADODatabase::CADODatabase() {
    ::CoInitialize(nullptr);
    IUnknown* unknown = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown))) && unknown) {
        if (SUCCEEDED(::OleRun(unknown))) {
            _Connection* connection = nullptr;
            if (SUCCEEDED(unknown->QueryInterface(__uuidof(_Connection), reinterpret_cast<void**>(&connection))) && connection)
                m_pConnection.Attach(connection);
        }
        unknown->Release();
    }
}

CADODatabase::~CADODatabase() {
    try {
        if (IsOpen()) m_pConnection->Close();
    } catch (const _com_error&) {
        // A destructor does not report; the connection is released below regardless.
    }
    m_pConnection = nullptr;
    m_strConnection.Empty();
    m_strLastError.Empty();
    ::CoUninitialize();
}

bool CADODatabase::Open() {
    if (IsOpen()) m_pConnection->Close();
    try {
        if (m_pConnection) m_pConnection->PutTrustedSources(m_trustedSources);
        const HRESULT hr = m_pConnection->Open(_bstr_t(m_strConnection.GetString()), _bstr_t(L""), _bstr_t(L""), 0);
        return hr == S_OK;
    } catch (const _com_error& e) {
        dump_com_error(e);
        return false;
    }
}

bool CADODatabase::IsOpen() {
    if (!m_pConnection) return false;
    return m_pConnection->GetState() != adStateClosed;
}

CString CADODatabase::GetIdentifierQuote() {
    if (!IsOpen()) return L"`";
    try {
        const _bstr_t quote = m_pConnection->GetIdentifierQuote();
        return CString(std::wstring(quote.view()));
    } catch (const _com_error&) {
        return L"`";
    }
}

void CADODatabase::Close() {
    if (IsOpen()) m_pConnection->Close();
}

void CADODatabase::dump_com_error(const _com_error& e) {
    // The password is not shown or kept: the text reaches the screen.
    m_strLastError = L"Connection String = " + HideConnectStringPasswords(m_strConnection) + L"\n" +
                     FormatComErrorBody(L"CADODataBase Error", e);
    acedAlert(m_strLastError);
}
