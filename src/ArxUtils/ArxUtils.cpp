#include "ArxUtils/ArxUtils.h"

#include "editor/Print.h"

namespace {

int DragTransform(ads_point point, ads_matrix matrix) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) matrix[r][c] = r == c ? 1.0 : 0.0;
    matrix[0][3] = point[X];
    matrix[1][3] = point[Y];
    matrix[2][3] = point[Z];
    return RTNORM;
}

// The first group 1000 string outside 1002 pairs; releases the chain.
bool TakeFirstString(resbuf* pChain, CString& value) {
    if (!pChain) {
        value.Empty();
        return false;
    }
    bool bInside = false;
    bool bFound = false;
    for (const resbuf* rb = pChain; rb; rb = rb->rbnext) {
        if (rb->restype == 1002) {
            bInside = !bInside;
        } else if (rb->restype == 1000 && !bInside) {
            value = rb->resval.rstring;
            bFound = true;
            break;
        }
    }
    acutRelRb(pChain);
    return bFound;
}

}  // namespace

Acad::ErrorStatus addToCurrentSpace(AcDbEntity* pEntity, AcDbDatabase* pDb) {
    if (!pDb) pDb = acdbHostApplicationServices()->workingDatabase();
    if (!pDb) return Acad::eInvalidInput;
    AcDbBlockTableRecord* pSpace = nullptr;
    if (acdbOpenObject(pSpace, pDb->currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return Acad::eInvalidInput;
    const Acad::ErrorStatus es = pSpace->appendAcDbEntity(pEntity);
    if (es != Acad::eOk) acutPrintf(L"\nERROR: could not add entity to current space (%s)", acadErrorStatusText(es));
    pSpace->close();
    return es;
}

int dragSelectionSet(ads_name ss, const wchar_t* prompt, const AcGePoint3d& basePoint) {
    Adesk::Int32 nLength = 0;
    acedSSLength(ss, &nLength);
    if (nLength < 1) {
        acedSSFree(ss);
        return RTCAN;
    }
    ads_point picked;
    const int rc = acedDragGen(ss, prompt, 0, DragTransform, picked);
    if (rc == RTNORM) {
        acdbUcs2Wcs(picked, picked, false);
        const AcGeVector3d offset = AcGePoint3d(picked[X], picked[Y], picked[Z]) - basePoint;
        const AcGeMatrix3d xform = AcGeMatrix3d::translation(offset);
        ads_matrix matrix;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) matrix[r][c] = xform.entry[r][c];
        acedXformSS(ss, matrix);
        acedSSFree(ss);
        return RTNORM;
    }
    for (Adesk::Int32 i = 0; i < nLength; ++i) {
        ads_name entity;
        if (acedSSName(ss, i, entity) == RTNORM) acdbEntDel(entity);
    }
    acedSSFree(ss);
    return rc;
}

bool getXdata(AcDbObject* pObj, const wchar_t* appName, CString& value) {
    if (!pObj) return false;
    return TakeFirstString(pObj->xData(appName), value);
}

bool getXdata(const ads_name entityName, const wchar_t* appName, CString& value) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entityName) != Acad::eOk) {
        acutPrintf(L"\nacdbGetObjectId failed in FILE: %s;LINE: %d", CString(__FILE__).GetString(), __LINE__);
        return false;
    }
    return getXdata(id, appName, value);
}

bool getXdata(AcDbObjectId id, const wchar_t* appName, CString& value) {
    AcDbObject* pObj = nullptr;
    if (acdbOpenObject(pObj, id, AcDb::kForRead) != Acad::eOk) return false;
    resbuf* pChain = pObj->xData(appName);
    pObj->close();
    return TakeFirstString(pChain, value);
}

bool setXdata(AcDbObject* pObj, const wchar_t* appName, const wchar_t* value) {
    if (!pObj || !appName || !*appName) return false;
    resbuf* pChain = pObj->xData(appName);
    if (!pChain) {
        acdbRegApp(appName);
        pChain = acutNewRb(1001);
        pChain->resval.rstring = platform::DuplicateRbString(appName);
    } else {
        acutRelRb(pChain->rbnext);
        pChain->rbnext = nullptr;
    }
    pChain->rbnext = acutNewRb(1000);
    pChain->rbnext->resval.rstring = platform::DuplicateRbString(value ? value : L"");
    pObj->upgradeOpen();
    pObj->setXData(pChain);
    acutRelRb(pChain);
    return true;
}

Acad::ErrorStatus getTableStyleNames(CStringArray& names) {
    AcDbHostApplicationServices* pServices = acdbHostApplicationServices();
    const int nMajor = pServices->releaseMajorVersion();
    const int nMinor = pServices->releaseMinorVersion();
    if (nMajor < 16 || (nMajor == 16 && nMinor < 1)) return static_cast<Acad::ErrorStatus>(35);
    AcDbDatabase* pDb = pServices->workingDatabase();
    if (!pDb) return Acad::eNoDatabase;
    AcDbDictionary* pDict = nullptr;
    const Acad::ErrorStatus es = pDb->getTableStyleDictionary(pDict, AcDb::kForRead);
    if (es != Acad::eOk) return es;
    AcDbDictionaryIterator* pIter = pDict->newIterator();
    for (; !pIter->done(); pIter->next()) {
        AcDbObject* pObj = nullptr;
        if (pIter->getObject(pObj, AcDb::kForRead) != Acad::eOk) continue;
        if (AcDbTableStyle* pStyle = AcDbTableStyle::cast(pObj)) {
            ACHAR* pName = nullptr;
            pStyle->getName(pName);
            names.Add(pName);
            acutDelBuffer(pName);
        }
        pObj->close();
    }
    delete pIter;
    pDict->close();
    return Acad::eOk;
}
