#pragma once
// The host's application services: the working database, the host's release and name.
#include <memory>

class AcDbDatabase;

class AcDbHostApplicationServices {
public:
    // The database set with setWorkingDatabase while one is set (tests, tools working on
    // one drawing), otherwise the current document's drawing; null without either.
    AcDbDatabase* workingDatabase() const;
    void setWorkingDatabase(AcDbDatabase* database) { m_override = database; }
    AcDbDatabase* workingDatabaseOverride() const { return m_override; }
    // Where the current document's drawing comes from: the document manager (a layer above
    // the database) tells it when it loads.
    void setCurrentDrawingSource(AcDbDatabase* (*source)()) { m_currentDrawing = source; }
    // The host release this substitute answers for: 22.0 (the 2018 releases).
    int releaseMajorVersion() const { return 22; }
    int releaseMinorVersion() const { return 0; }
    const wchar_t* program() const { return L"acad"; }

private:
    AcDbDatabase* m_override = nullptr;
    AcDbDatabase* (*m_currentDrawing)() = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();

namespace platform {
// Makes database the working database for the lifetime of the object (tests).
class ScopedWorkingDatabase {
public:
    explicit ScopedWorkingDatabase(AcDbDatabase* database);
    ~ScopedWorkingDatabase();
    ScopedWorkingDatabase(const ScopedWorkingDatabase&) = delete;
    ScopedWorkingDatabase& operator=(const ScopedWorkingDatabase&) = delete;

private:
    AcDbDatabase* m_previous;
};
}  // namespace platform
