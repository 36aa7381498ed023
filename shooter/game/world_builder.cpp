// The world build: regions from the client size, then the objects of a new game.
#include "game/world_builder.h"

#include "combat/player.h"
#include "combat/spawner.h"
#include "display/hud.h"
#include "display/scenery.h"
#include "world/area.h"
#include "world/world.h"

WorldBuilder::WorldBuilder(World* owner) : world(owner) {
    life = 1;
    const int width = world->client->right;
    const int height = world->client->bottom;

    // The arena is centred in the view; on an axis where the view is smaller than the arena
    // its origin is negative and it reaches beyond the view.
    world->areaList.add(
        new Area(Vec2((width - arenaSize - panelWidth) / 2, (height - arenaSize) / 2), arenaSize,
                 arenaSize));
    world->areaList.add(new Area(Vec2(0, 0), width - panelWidth, height));
    world->areaList.add(new Area(Vec2(width - panelWidth, 0), panelWidth, height));

    appendScenery(*world);
    world->lastList.add(new Hud(world));
    const Area* arena = world->arena();
    world->objectList.add(new Player(world, arena->width / 2, arena->height / 2));
    world->algorithmList.add(new Spawner(world, spawnerLife));
}

WorldBuilder::~WorldBuilder() = default;
