// The shooter's look: a black arena in a white frame on a very dark view, a light grey panel, a
// green player with an orange rim, cyan enemies, green and blue bolts, blue bombs, red damage
// sparks, and enemies that burst when hit.
#include "shooter_look.h"

const BoltLook greenBoltLook = {
    {{2, RGB(100, 255, 100)}, {1, RGB(100, 200, 100)}, {1, RGB(50, 150, 50)}},
    BurstPalette::Green,
    10,
    5,
};

const BoltLook blueBoltLook = {
    {{2, RGB(150, 150, 255)}, {1, RGB(100, 100, 200)}, {1, RGB(50, 50, 150)}},
    BurstPalette::Blue,
    10,
    5,
};

const ShooterLook shooterLook = {
    Ground::Dark,
    SceneryList::Background,
    {5, RGB(255, 255, 255)}, // the arena's frame
    {0, RGB(0, 0, 0)},       // the view's outline
    RGB(20, 20, 20),         // view
    RGB(0, 0, 0),            // arena
    RGB(200, 200, 200),      // panel
    RGB(255, 255, 255),      // stars

    {3, RGB(255, 100, 0)}, // player's rim
    RGB(0, 255, 0),        // player's body
    {1, RGB(255, 0, 0)},   // player's sight
    {2, RGB(100, 255, 255)},

    &greenBoltLook, // scatter
    &blueBoltLook,  // stream
    &greenBoltLook, // volley
    &blueBoltLook,  // the bomb's ring
    {{5, RGB(100, 100, 255)}, {2, RGB(50, 50, 160)}, {1, RGB(10, 10, 100)}},
    BurstPalette::Blue,
    5,
    BurstPalette::Red,
    true,
    FlameStrike::LastLifeThenHit,

    16, // the cross-hair is 32 x 32 and centred on the mouse point
    true,
};
