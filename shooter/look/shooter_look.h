// ShooterLook: everything in which the two shooter programs differ, as one value that each
// program's main.cpp hands to its ShooterGame. The world holds it and its objects read it
// through their World. Each field is one difference; the backdrop is the one that chooses
// behaviour as well as values, and display/scenery.h is the one place that acts on that choice.
// The shooter's value is shooterLook (shooter_look.cpp); the variant's lives in shooter_variant/.
#pragma once

#include "look/burst_list.h"

#include <windows.h>

#include <optional>
#include <variant>

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

// A kind of bolt (the Type Object of the one Bolt class): its trail, the colours of the bursts
// it leaves, and their sparks at each wall it crosses and on the enemy it strikes.
struct BoltLook {
    TrailLook trail;
    const BurstPalette& bursts;
    int wallSparks;
    int impactSparks;
};

// The bomb: its trail, the colours of the bursts it leaves in flight and at a wall, and their
// sparks at the wall.
struct BombLook {
    TrailLook trail;
    const BurstPalette& bursts;
    int wallSparks;
};

// A backdrop painted under everything else, from backgroundList (the backdrop, then the stars
// over it): the view filled inside its edge, then the arena filled inside its frame.
struct FilledBackdropLook {
    PenLook viewEdge;
    COLORREF viewFill;
    PenLook arenaFrame;
    COLORREF arenaFill;
};

// A backdrop of outlines on the frame's white, drawn among the objects after the enemies (the
// stars, then the outlines over them): the arena, the view and the panel outlined with one pen.
struct OutlinedBackdropLook {
    PenLook edge;
};

struct ShooterLook {
    std::variant<FilledBackdropLook, OutlinedBackdropLook> backdrop;
    // None: the panel is filled with the surface's own (white) brush.
    std::optional<COLORREF> panelFill;
    // The panel's outline, drawn before the panel's frame.
    bool panelOutlined;
    COLORREF starColour;

    PenLook playerRim;
    // None: the disc and the sight ring are filled with the surface's own (white) brush.
    std::optional<COLORREF> playerBody;
    PenLook playerSight;

    PenLook enemyPen;
    // The bursts an enemy leaves for a hit it survives, and for the hit that destroys it.
    BurstList enemyHitBursts;
    BurstList enemyDeathBursts;

    // The bolts of the scatter, stream and volley weapons and of the bomb's ring.
    const BoltLook& scatterBolt;
    const BoltLook& streamBolt;
    const BoltLook& volleyBolt;
    const BoltLook& ringBolt;
    BombLook bomb;
    // The bursts that show the player touched or killed by an enemy.
    const BurstPalette& damageBursts;

    // Texts written over a filled backdrop go on an opaque strip of the surface's background
    // colour: the surface's black letters cannot be read on the filled arena.
    bool textsNeedStrip() const { return std::holds_alternative<FilledBackdropLook>(backdrop); }
};

// The shooter's two kinds of bolt.
extern const BoltLook greenBoltLook;
extern const BoltLook blueBoltLook;

extern const ShooterLook shooterLook;
