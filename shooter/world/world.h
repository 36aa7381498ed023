// World: the shooter's world record. Every world object sits in one of its lists, the screen
// regions sit in its area list, and the input handlers leave the mouse and keyboard state in it
// for the player to read. The lists own their entries. The world holds the game's look, through
// which its objects find their pens and what they leave behind.
#pragma once

#include "look/shooter_look.h"
#include "ptr_list.h"
#include "vec2.h"

#include <windows.h>

class Area;
class Entity;
class Algorithm;
class Solid;
class Sprite;

class World {
public:
    explicit World(const ShooterLook& worldLook);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Advances every list by ticks timer ticks, removing each list's dead entries after its
    // pass, then draws the lists and the pointer once.
    void runFrame(HDC target, int ticks);
    // Empties the lists a new game rebuilds: the objects, the enemies, the algorithms, the
    // scenery, the heads-up display and the regions. Input state and the sprite stay.
    void clearForRestart();

    // The three regions of the world build; null before the build has created them.
    Area* arena() const;
    Area* view() const;
    Area* panel() const;
    // The first entry of objectList that is the player, or null when there is none.
    Entity* player() const;
    // The entries of every list of world objects (not the regions or the sprite).
    int objectCount() const;

    const ShooterLook& look;
    // The engine's client rectangle: right and bottom are the client width and height.
    const RECT* client = nullptr;
    PtrList<Area> areaList;
    int leftButton = 0;
    // 0 = up; 1 = pressed and not yet taken; 2 = taken by the player and still down.
    int rightButton = 0;
    // Last mouse position in client coordinates.
    Vec2 mouse;
    int cursorSprite = 0;
    // The pointer sprite's point that sits on the mouse, from its top-left corner.
    int pointerHotSpot = 0;
    // Virtual-key codes of up to two held keys; 0 = empty slot.
    int heldKeys[2] = {0, 0};
    PtrList<Entity> objectList;
    PtrList<Solid> solidList;
    PtrList<Entity> lastList;
    // The backdrop and the star field when the look puts them here; empty otherwise.
    PtrList<Entity> backgroundList;
    PtrList<Algorithm> algorithmList;
    PtrList<Sprite> spriteList;
};
