// The two bolts of the shooter: GreenBolt (the scatter and volley weapons) and BlueBolt (the
// stream weapon and the bomb's ring). A bolt flies for at most 50 updates, bursts at the arena
// walls and strikes the first enemy it touches once.
#pragma once

#include "burst.h"
#include "trail_shot.h"

class World;

class PaletteBolt : public TrailShot {
public:
    // Shifts the trail, then takes one step.
    void update() override;
    // One step of flight: move, test the walls, test the enemies.
    virtual void step() = 0;

protected:
    PaletteBolt(World* owner, int x, int y, float angle, float speed, const TrailLook& look);
    // The step, leaving its bursts in the given palette.
    void stepWith(BurstPalette palette);
};

class GreenBolt : public PaletteBolt {
public:
    GreenBolt(World* owner, int x, int y, float angle, float speed);
    void step() override;
};

class BlueBolt : public PaletteBolt {
public:
    BlueBolt(World* owner, int x, int y, float angle, float speed);
    void step() override;
};
