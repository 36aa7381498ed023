// The shooter's look: the world on a filled backdrop, two kinds of bolt, bursts of three
// palettes, enemies that burst when hit, and a cross-hair pointer.
#include "look/shooter_look.h"

constinit const BoltLook greenBoltLook = {
    .trail = {.head = {.width = 2, .colour = RGB(100, 255, 100)},
              .middle = {.width = 1, .colour = RGB(100, 200, 100)},
              .tail = {.width = 1, .colour = RGB(50, 150, 50)}},
    .bursts = greenBursts,
    .wallSparks = 10,
    .impactSparks = 5,
};

constinit const BoltLook blueBoltLook = {
    .trail = {.head = {.width = 2, .colour = RGB(150, 150, 255)},
              .middle = {.width = 1, .colour = RGB(100, 100, 200)},
              .tail = {.width = 1, .colour = RGB(50, 50, 150)}},
    .bursts = blueBursts,
    .wallSparks = 10,
    .impactSparks = 5,
};

constinit const ShooterLook shooterLook = {
    .backdrop = FilledBackdropLook{.viewEdge = {.width = 0, .colour = RGB(0, 0, 0)},
                                   .viewFill = RGB(20, 20, 20),
                                   .arenaFrame = {.width = 5, .colour = RGB(255, 255, 255)},
                                   .arenaFill = RGB(0, 0, 0)},
    .panelFill = RGB(200, 200, 200),
    .panelOutlined = false,
    .starColour = RGB(255, 255, 255),

    .playerRim = {.width = 3, .colour = RGB(255, 100, 0)},
    .playerBody = RGB(0, 255, 0),
    .playerSight = {.width = 1, .colour = RGB(255, 0, 0)},

    .enemyPen = {.width = 2, .colour = RGB(100, 255, 255)},
    .enemyHitBursts = {&redBursts},
    .enemyDeathBursts = {&redBursts, &greenBursts, &blueBursts},

    .scatterBolt = greenBoltLook,
    .streamBolt = blueBoltLook,
    .volleyBolt = greenBoltLook,
    .ringBolt = blueBoltLook,
    .bomb = {.trail = {.head = {.width = 5, .colour = RGB(100, 100, 255)},
                       .middle = {.width = 2, .colour = RGB(50, 50, 160)},
                       .tail = {.width = 1, .colour = RGB(10, 10, 100)}},
             .bursts = blueBursts,
             .wallSparks = 5},
    .damageBursts = redBursts,
};
