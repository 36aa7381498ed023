// The scenery of a new game, chosen by the look's kind of backdrop.
#include "display/scenery.h"

#include "display/filled_backdrop.h"
#include "display/outlined_backdrop.h"
#include "display/star_field.h"
#include "world/world.h"

#include <variant>

namespace {
// A visitor made of one lambda per kind of backdrop.
template <class... Cases> struct Visitor : Cases... { using Cases::operator()...; };
} // namespace

void appendScenery(World& world) {
    std::visit(Visitor{[&](const FilledBackdropLook& filled) {
                           world.backgroundList.add(new FilledBackdrop(&world, filled));
                           world.backgroundList.add(new StarField(&world));
                       },
                       [&](const OutlinedBackdropLook& outlined) {
                           world.objectList.add(new StarField(&world));
                           world.objectList.add(new OutlinedBackdrop(&world, outlined));
                       }},
               world.look.backdrop);
}
