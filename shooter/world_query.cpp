// Lookups into the world record that every build of the shooter shares.
#include "world.h"

#include "area.h"
#include "entity.h"

Area* World::arena() const {
    return areaList.get(0);
}

Area* World::view() const {
    return areaList.get(1);
}

Area* World::panel() const {
    return areaList.get(2);
}

Entity* World::player() const {
    for (int i = 0; i < objectList.count(); ++i) {
        Entity* entry = objectList.get(i);
        if (entry->kind == playerKind) {
            return entry;
        }
    }
    return nullptr;
}
