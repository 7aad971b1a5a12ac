#pragma once
// The drawing database in one include: objects and ids, the database and its tables and
// dictionaries, the entities, table styles and extended data.
#include "AcadErrorStatus.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbEntities.h"
#include "DbEntity.h"
#include "DbEnums.h"
#include "DbObject.h"
#include "DbSymbolTable.h"
#include "DbTable.h"
#include "DbTableStyle.h"
#include "Geometry.h"
#include "HostServices.h"
#include "ResBuf.h"
#include "TransactionManager.h"
