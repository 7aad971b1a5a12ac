#include "dxf/EntityType.h"

#include "dxf/EntityTypes.h"

namespace platform::dxf {

const EntityType* FindEntityType(std::string_view name) {
    for (const EntityType* type : entities::kEntityTypes)
        if (type->name == name) return type;
    return nullptr;
}

}  // namespace platform::dxf
