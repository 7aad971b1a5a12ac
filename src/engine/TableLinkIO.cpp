#include "engine/TableLinkIO.h"

#include "ArxUtils/ArxUtils.h"
#include "editor/Print.h"
#include "support/StringList.h"

const wchar_t* const kTableLinkLayoutApp = L"4E679C82-0FD2-43e8-8D7F-465BF47E479F";

namespace {

// One extended-data string holds at most this many bytes of UTF-8 (the host refuses more).
constexpr int kMaxStoredStringBytes = static_cast<int>(AcDbObject::kMaxXDataStringBytes);

bool CheckString(const wchar_t* pszField, const CString& text) {
    const int nBytes = static_cast<int>(text.ToUtf8().size());
    if (nBytes <= kMaxStoredStringBytes) return true;
    acutPrintf(L"\nThe link cannot be stored with the table: the %s is %d bytes long, and one extended data string holds at most %d bytes.",
               pszField, nBytes, kMaxStoredStringBytes);
    return false;
}

bool CheckShort(const wchar_t* pszField, int nValue) {
    if (nValue >= -32768 && nValue <= 32767) return true;
    acutPrintf(L"\nThe link cannot be stored with the table: the %s %d lies outside the range -32768 to 32767 of its item.",
               pszField, nValue);
    return false;
}

const wchar_t* const kStringApps[6] = {L"Connect_Driver", L"Database", L"Table", L"SQL", L"User", L"Password"};

bool SameItems(const resbuf* a, const resbuf* b) {
    for (; a && b; a = a->rbnext, b = b->rbnext) {
        if (a->restype != b->restype) return false;
        switch (a->restype) {
        case 1000: case 1001:
            if (CString(a->resval.rstring) != b->resval.rstring) return false;
            break;
        case 1070: if (a->resval.rint != b->resval.rint) return false; break;
        case 1071: if (a->resval.rlong != b->resval.rlong) return false; break;
        default: return false;
        }
    }
    return !a && !b;
}

// Whether the object carries exactly the record just written. The host refuses extended
// data beyond what one object may carry, so a write can fail after the checks of
// CanStoreTableLink have passed.
bool StoredAsWritten(AcDbObject* pObj, const CString (&values)[6], const resbuf* pLayout) {
    for (int i = 0; i < 6; ++i) {
        CString strStored;
        if (!getXdata(pObj, kStringApps[i], strStored) || strStored != values[i]) return false;
    }
    resbuf* pStored = pObj->xData(kTableLinkLayoutApp);
    const bool bSame = SameItems(pStored, pLayout);
    acutRelRb(pStored);
    return bSame;
}

// The text of one string application. The record holds one string each, but one string
// holds at most 255 bytes, and writers of long SQL texts store them as several strings in a
// row: those are read as one text, in order. An application without data empties the field.
void ReadStoredString(AcDbObject* pObj, const wchar_t* pszApp, CString& value) {
    value.Empty();
    resbuf* pChain = pObj->xData(pszApp);
    bool bInside = false;  // strings inside a {...} group belong to the group, not the field
    for (const resbuf* rb = pChain ? pChain->rbnext : nullptr; rb; rb = rb->rbnext) {
        if (rb->restype == 1002) bInside = !bInside;
        else if (rb->restype == 1000 && !bInside && rb->resval.rstring) value += rb->resval.rstring;
    }
    acutRelRb(pChain);
}

}  // namespace

bool CanStoreTableLink(const CTableLink& link) {
    return CheckString(L"driver name", link.m_strConnectDriver) && CheckString(L"database path", link.m_strDatabase) &&
           CheckString(L"table name", link.m_strTable) && CheckString(L"SQL text", link.m_strSQL) &&
           CheckString(L"user name", link.m_strUser) && CheckString(L"password", link.m_strPassword) &&
           CheckString(L"list of column headings", JoinStringList(link.m_arrHeadings)) &&
           CheckString(L"list of column widths", JoinDoubleList(link.m_arrWidths)) &&
           CheckShort(L"marker", link.m_nMarker) && CheckShort(L"include-header flag", link.m_bIncludeHeader) &&
           CheckShort(L"start row", link.m_nStartRow) && CheckShort(L"start column", link.m_nStartCol);
}

bool WriteTableLink(const CTableLink& link, AcDbObject* pObj) {
    if (!pObj) return false;
    if (!CanStoreTableLink(link)) return false;

    // What the seven applications held before, to be put back should the write fail.
    resbuf* previous[7];
    for (int i = 0; i < 6; ++i) previous[i] = pObj->xData(kStringApps[i]);
    previous[6] = pObj->xData(kTableLinkLayoutApp);

    const CString values[6] = {link.m_strConnectDriver, link.m_strDatabase, link.m_strTable,
                               link.m_strSQL, link.m_strUser, link.m_strPassword};
    for (int i = 0; i < 6; ++i) setXdata(pObj, kStringApps[i], values[i]);

    // The old block is replaced as a whole, never merged with the new one.
    acutRelRb(pObj->xData(kTableLinkLayoutApp));
    acdbRegApp(kTableLinkLayoutApp);

    const CString strHeadings = JoinStringList(link.m_arrHeadings);
    const CString strWidths = JoinDoubleList(link.m_arrWidths);
    resbuf* pChain = acutBuildList(1001, kTableLinkLayoutApp,
                                   1070, link.m_nMarker,
                                   1070, link.m_bIncludeHeader,
                                   1070, link.m_nStartRow,
                                   1070, link.m_nStartCol,
                                   1000, strHeadings.GetString(),
                                   1000, strWidths.GetString(),
                                   1071, static_cast<Adesk::Int32>(link.m_nRows),
                                   1071, static_cast<Adesk::Int32>(link.m_nCols),
                                   0);
    pObj->upgradeOpen();
    pObj->setXData(pChain);

    const bool bStored = StoredAsWritten(pObj, values, pChain);
    acutRelRb(pChain);
    if (!bStored) {
        // Half a record would link the table to the wrong source: put back what was there.
        for (int i = 0; i < 7; ++i) {
            const wchar_t* pszApp = i < 6 ? kStringApps[i] : kTableLinkLayoutApp;
            resbuf* pRestore = previous[i] ? previous[i] : acutBuildList(1001, pszApp, 0);
            pObj->setXData(pRestore);
            if (!previous[i]) acutRelRb(pRestore);
        }
        acutPrintf(L"\nThe link could not be stored with the table: the table cannot carry more extended data. Its earlier data was kept.");
    }
    for (resbuf* rb : previous) acutRelRb(rb);
    return bStored;
}

bool ReadTableLink(CTableLink& link, AcDbObject* pObj) {
    if (!pObj) return false;
    ReadStoredString(pObj, L"Connect_Driver", link.m_strConnectDriver);
    ReadStoredString(pObj, L"Database", link.m_strDatabase);
    ReadStoredString(pObj, L"Table", link.m_strTable);
    ReadStoredString(pObj, L"SQL", link.m_strSQL);
    ReadStoredString(pObj, L"User", link.m_strUser);
    ReadStoredString(pObj, L"Password", link.m_strPassword);

    resbuf* pChain = pObj->xData(kTableLinkLayoutApp);
    if (!pChain) return false;
    int nPosition = 2;
    for (const resbuf* rb = pChain->rbnext; rb; rb = rb->rbnext, ++nPosition) {
        switch (nPosition) {
        case 2: if (rb->restype == 1070) link.m_nMarker = rb->resval.rint; break;
        case 3: if (rb->restype == 1070) link.m_bIncludeHeader = rb->resval.rint; break;
        case 4: if (rb->restype == 1070) link.m_nStartRow = rb->resval.rint; break;
        case 5: if (rb->restype == 1070) link.m_nStartCol = rb->resval.rint; break;
        case 6: if (rb->restype == 1000) SplitStringList(rb->resval.rstring, link.m_arrHeadings); break;
        case 7: if (rb->restype == 1000) SplitDoubleList(rb->resval.rstring, link.m_arrWidths); break;
        case 8: if (rb->restype == 1071) link.m_nRows = rb->resval.rlong; break;
        case 9: if (rb->restype == 1071) link.m_nCols = rb->resval.rlong; break;
        default: break;
        }
    }
    acutRelRb(pChain);
    return true;
}

bool WriteTableLinkById(const CTableLink& link, AcDbObjectId id) {
    AcDbObject* pObj = nullptr;
    if (acdbOpenObject(pObj, id, AcDb::kForWrite) != Acad::eOk) return false;
    const bool bResult = WriteTableLink(link, pObj);
    pObj->close();
    return bResult;
}

bool ReadTableLinkById(CTableLink& link, AcDbObjectId id) {
    AcDbObject* pObj = nullptr;
    if (acdbOpenObject(pObj, id, AcDb::kForRead) != Acad::eOk) return false;
    const bool bResult = ReadTableLink(link, pObj);
    pObj->close();
    return bResult;
}

resbuf* BuildLinkedTableFilter() {
    return acutBuildList(-4, L"<or",
                         RTDXF0, L"INSERT",
                         RTDXF0, L"ACAD_TABLE",
                         -4, L"or>",
                         -3, 1001, L"Database",
                         0);
}
