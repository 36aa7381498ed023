// The variant's look. Everything is drawn on the frame's white: the scenery sits among the
// objects and is drawn after the enemies, and the texts need no strip to be read.
#include "variant_look.h"

const BoltLook greyBoltLook = {
    {{1, RGB(100, 100, 100)}, {1, RGB(150, 150, 150)}, {1, RGB(200, 200, 200)}},
    BurstPalette::Random,
    20,
    10,
};

// The fills of a dark ground are not read on the white one.
const ShooterLook variantLook = {
    Ground::White,
    SceneryList::Objects,
    {3, RGB(100, 100, 100)}, // the outlines of the arena, the view and the panel
    {0, RGB(0, 0, 0)},
    RGB(255, 255, 255),
    RGB(255, 255, 255),
    RGB(255, 255, 255),
    RGB(0, 0, 0), // stars

    {3, RGB(100, 100, 100)}, // player's rim
    RGB(255, 255, 255),
    {1, RGB(255, 0, 0)}, // player's sight
    {2, RGB(0, 0, 100)},

    &greyBoltLook,
    &greyBoltLook,
    &greyBoltLook,
    &greyBoltLook,
    {{5, RGB(100, 100, 100)}, {1, RGB(150, 150, 150)}, {1, RGB(200, 200, 200)}},
    BurstPalette::Random,
    20,
    BurstPalette::Random,
    false,
    FlameStrike::HitThenDestroy,

    0, // the arrow's tip is the bitmap's top-left corner
    false,
};
