// The two bolts of the shooter: GreenBolt (the scatter and volley weapons) and BlueBolt (the
// stream weapon and the bomb's ring). They fly alike and differ in their pens and in the
// colours of the bursts they leave.
#pragma once

#include "bolt_flight.h"

class World;

class GreenBolt : public BoltFlight {
public:
    GreenBolt(World* owner, int x, int y, float angle, float speed);
    void step() override;
};

class BlueBolt : public BoltFlight {
public:
    BlueBolt(World* owner, int x, int y, float angle, float speed);
    void step() override;
};
