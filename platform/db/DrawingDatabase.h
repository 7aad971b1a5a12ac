#pragma once
// The drawing database in one include: objects and ids, the database and its tables and
// dictionaries, the entities, table styles and extended data.
#include "db/AcadErrorStatus.h"
#include "db/DbDatabase.h"
#include "db/DbDictionary.h"
#include "db/DbEntities.h"
#include "db/DbEntity.h"
#include "db/DbEnums.h"
#include "db/DbObject.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "db/DbTableStyle.h"
#include "db/Geometry.h"
#include "db/HostServices.h"
#include "db/ResBuf.h"
