#include "catalogue/DatabasePtrArray.h"

#include "catalogue/Location.h"

CDatabasePtrArray& GetOpenDatabases() {
    static CDatabasePtrArray databases;
    return databases;
}

CMyDatabase* CDatabasePtrArray::FindDatabase(const CString& location) const {
    for (CMyDatabase* database : *this) {
        if (database && IsSameLinkLocation(database->m_strDriver, database->m_strDatabase, location)) return database;
    }
    return nullptr;
}

bool CDatabasePtrArray::AddDatabase(const CString& driverName, const CString& location, const CString& user, const CString& password) {
    if (driverName.IsEmpty() || location.IsEmpty()) return false;
    if (FindDatabase(location)) return false;
    auto* database = new CMyDatabase;
    if (!database->Open(driverName, location, user, password)) {
        delete database;
        return false;
    }
    Add(database);
    return true;
}

void CDatabasePtrArray::GetTableNames(const CString& location, CStringArray& names) const {
    if (CMyDatabase* database = FindDatabase(location)) database->GetTableNames(names);
}

void CloseAllDatabases() {
    CDatabasePtrArray& databases = GetOpenDatabases();
    for (CMyDatabase* database : databases) {
        if (!database) continue;
        database->DeleteTables();
        database->m_Database.Close();
        delete database;
    }
    databases.RemoveAll();
}

CMyDatabase* CDatabasePtrArray::FindOrAddDatabase(const CString& driverName, const CString& location, const CString& user,
                                                  const CString& password) {
    if (CMyDatabase* pDatabase = FindDatabase(location)) return pDatabase;
    AddDatabase(driverName, location, user, password);
    return FindDatabase(location);
}

void CDatabasePtrArray::KeepForNextDrawing() {
    for (INT_PTR i = GetSize() - 1; i >= 0; --i) {
        CMyDatabase* database = GetAt(i);
        if (database && database->FileUnchanged()) {
            database->m_strDatabase = database->m_strOpenedLocation;
            continue;
        }
        if (database) {
            database->DeleteTables();
            database->m_Database.Close();
            delete database;
        }
        RemoveAt(i);
    }
}
