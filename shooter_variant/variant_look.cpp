// The variant's look: everything on the frame's white, where nothing is filled and the texts
// need no strip; one grey bolt, sparks of random colours, enemies that die without bursts and
// an arrow pointer.
#include "variant_look.h"

constinit const BoltLook greyBoltLook = {
    .trail = {.head = {.width = 1, .colour = RGB(100, 100, 100)},
              .middle = {.width = 1, .colour = RGB(150, 150, 150)},
              .tail = {.width = 1, .colour = RGB(200, 200, 200)}},
    .bursts = randomBursts,
    .wallSparks = 20,
    .impactSparks = 10,
};

constinit const ShooterLook variantLook = {
    .backdrop = OutlinedBackdropLook{.edge = {.width = 3, .colour = RGB(100, 100, 100)}},
    .panelFill = std::nullopt,
    .panelOutlined = true,
    .starColour = RGB(0, 0, 0),

    .playerRim = {.width = 3, .colour = RGB(100, 100, 100)},
    .playerBody = std::nullopt,
    .playerSight = {.width = 1, .colour = RGB(255, 0, 0)},

    .enemyPen = {.width = 2, .colour = RGB(0, 0, 100)},
    .enemyHitBursts = {},
    .enemyDeathBursts = {},

    .scatterBolt = greyBoltLook,
    .streamBolt = greyBoltLook,
    .volleyBolt = greyBoltLook,
    .ringBolt = greyBoltLook,
    .bomb = {.trail = {.head = {.width = 5, .colour = RGB(100, 100, 100)},
                       .middle = {.width = 1, .colour = RGB(150, 150, 150)},
                       .tail = {.width = 1, .colour = RGB(200, 200, 200)}},
             .bursts = randomBursts,
             .wallSparks = 20},
    .damageBursts = randomBursts,
};
