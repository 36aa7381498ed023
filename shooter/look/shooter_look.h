// ShooterLook: everything in which the two shooter programs differ, as one value that each
// program's main.cpp chooses for its ShooterGame. The world holds it and its objects read it
// through their World: the pens and colours, the bolts each weapon fires, the sparks and colours
// of the bursts, what an enemy's hit and a flame's touch leave behind, where the scenery lives,
// the pointer's hot spot and whether the texts written over the frame need a strip of their own.
// The shooter's value is shooterLook (shooter_look.cpp); the variant's lives in shooter_variant/.
#pragma once

#include <windows.h>

struct PenLook {
    int width;
    COLORREF colour;
};

// The pens of the three trail segments of a shot, from the shot's head backward.
struct TrailLook {
    PenLook head;
    PenLook middle;
    PenLook tail;
};

// The colour schemes of a burst's sparks. Red, Green and Blue draw three numbers per spark for
// its colour; Random takes one raw number as the colour and throws its sparks differently
// (burst.cpp).
enum class BurstPalette { Red, Green, Blue, Random };

// A kind of bolt (the Type Object of the one Bolt class): its trail, the colours of the bursts
// it leaves, and their sparks at each wall it crosses and on the enemy it strikes.
struct BoltLook {
    TrailLook trail;
    BurstPalette bursts;
    int wallSparks;
    int impactSparks;
};

// The ground the game is drawn on, which decides how the scenery, the panel and the player's
// body are painted.
enum class Ground {
    // The view filled very dark grey, the arena black inside a frame, the panel light grey, the
    // player's body filled.
    Dark,
    // Nothing filled: the arena, the view and the panel outlined on the frame's white, the
    // player's disc and the panel filled with whatever brush the surface holds (its white one).
    White,
};

// The list that holds the backdrop and the star field.
enum class SceneryList {
    // backgroundList, drawn first: the backdrop, then the stars over it.
    Background,
    // objectList, drawn after the enemies: the stars, then the outlines over them.
    Objects,
};

// What a flame does to the first enemy it touches before it goes out.
enum class FlameStrike {
    // Leave the enemy one life and hit it, so the hit that destroys it leaves its bursts.
    LastLifeThenHit,
    // Hit the enemy, then destroy it.
    HitThenDestroy,
};

struct ShooterLook {
    Ground ground;
    SceneryList sceneryList;
    // The arena's frame on a dark ground; the outline of all three regions on a white one.
    PenLook regionEdge;
    // Read on a dark ground only: the view's outline and fill, the arena's and the panel's fill.
    PenLook viewEdge;
    COLORREF viewFill;
    COLORREF arenaFill;
    COLORREF panelFill;
    COLORREF starColour;

    PenLook playerRim;
    // Read on a dark ground only.
    COLORREF playerBody;
    PenLook playerSight;
    PenLook enemyPen;

    // The bolts of the scatter, stream and volley weapons and of the bomb's ring.
    const BoltLook* scatterBolt;
    const BoltLook* streamBolt;
    const BoltLook* volleyBolt;
    const BoltLook* ringBolt;
    TrailLook bomb;
    BurstPalette bombBursts;
    int bombWallSparks;
    // The bursts that show the player touched or killed by an enemy.
    BurstPalette damageBursts;
    // Whether an enemy's hits leave bursts: red for a hit it survives, red, green and blue for
    // the one that destroys it.
    bool hitsBurst;
    FlameStrike flameStrike;

    // The pointer sprite's point that sits on the mouse, from its top-left corner.
    int pointerHotSpot;
    // Whether the end and pause texts are written on an opaque strip of the surface's
    // background colour: black letters straight on a dark ground could not be read.
    bool textsOnStrip;
};

// The shooter's bolts: GreenBolt (scatter and volley) and BlueBolt (stream and the bomb's ring).
extern const BoltLook greenBoltLook;
extern const BoltLook blueBoltLook;

// The shooter: a black arena in a white frame, green and blue bolts, bursts of three palettes.
extern const ShooterLook shooterLook;
