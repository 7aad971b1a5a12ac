#pragma once
// The settings store: the module's per-user integer settings in the registry, under
// root\software\<company>\<section>. Every operation is static; nothing is cached, so each
// read and write opens the key path afresh and closes what it opened.
#include "mfc/Afx.h"
#include "win/WinRegistry.h"

class CRegistry {
public:
    // Must come first; until a company name is set the store reads defaults and writes nothing.
    static void SetRoot(HKEY hRootKey, LPCTSTR lpszCompany);
    static int GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    static bool WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // The company key and a section key, opened for reading and writing (created when
    // missing); null on failure. The caller closes the returned key.
    static HKEY GetAppKey();
    static HKEY GetSectionKey(LPCTSTR lpszSection);

private:
    static HKEY m_hRootKey;
    static CString m_strCompany;
};
