#include "db/HostServices.h"

AcDbDatabase* AcDbHostApplicationServices::workingDatabase() const {
    if (m_override) return m_override;
    return m_currentDrawing ? m_currentDrawing() : nullptr;
}

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}

namespace platform {

ScopedWorkingDatabase::ScopedWorkingDatabase(AcDbDatabase* database)
    : m_previous(acdbHostApplicationServices()->workingDatabaseOverride()) {
    acdbHostApplicationServices()->setWorkingDatabase(database);
}

ScopedWorkingDatabase::~ScopedWorkingDatabase() { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }

}  // namespace platform
