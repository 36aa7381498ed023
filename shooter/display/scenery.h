// The scenery of a new game: the backdrop and the star field, where the look's backdrop puts
// them. This is the one place that acts on the kind of backdrop a look has.
#pragma once

class World;

// Appends the scenery in drawing order: a filled backdrop first in backgroundList, under
// everything, with the stars over it; an outlined one in objectList after the stars, over the
// enemies. One step of the world build; the arena must exist.
void appendScenery(World& world);
