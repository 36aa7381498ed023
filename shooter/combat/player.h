// Player: the figure the user steers. Each tick it takes contact damage from the enemies it
// touches, moves with the held arrow keys while the arena scrolls under it, changes weapon on
// a right-button press, fires the current weapon while the left button is down, and paces the
// weapons with its cadence flags.
#pragma once

#include "display/player_figure.h"
#include "world/entity.h"

class World;

class Player : public Entity {
public:
    // Health at the start of a game.
    static constexpr int fullHealth = 100;
    static constexpr int weaponCount = 5;
    // Pixels the figure moves in the arena per tick, and pixels the arena slides the other way.
    static constexpr float stepLength = 5.0f;
    static constexpr float scrollLength = 3.0f;
    // Length of the aim vector toward the mouse pointer.
    static constexpr float aimLength = 50.0f;

    Player(World* owner, int x, int y);
    ~Player() override;

    void update() override;
    void draw(HDC dc) override;

    // The five weapons, one per weaponIndex mod 5. Each reads position, aim, world and the
    // cadence flags and appends its shots to world->objectList.
    void fireScatter();
    void fireStream();
    void fireBomb();
    void fireFlame();
    void fireVolley();

    // From the centre toward the mouse pointer, 50 long; recomputed by every draw.
    Vec2 aim;
    // The disc's radius and the margin kept from the arena's edges.
    int radius = 10;
    // The figure's pens (and brush) and its drawing.
    PlayerFigure figure;
    World* world;
    unsigned int frameCounter = 0;
    // Right-button presses taken; the current weapon is weaponIndex mod 5.
    unsigned int weaponIndex = 0;
    bool scatterReady = false;
    bool bombReady = false;
    bool volleyReady = false;

private:
    // Returns false when the contact damage has killed the player.
    bool takeContactDamage();
    void leaveDamageBurst(int sparkCount);
    void move();
    void fireCurrentWeapon();
};
