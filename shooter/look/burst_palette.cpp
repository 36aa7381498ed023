// The shooter's burst palettes.
#include "look/burst_palette.h"

namespace {
constexpr TenthsRange dragRange = {.steps = 100, .offset = 2.0};
constexpr TenthsRange tintedAngle = {.steps = 70, .offset = 0.0};
constexpr TenthsRange tintedSpeed = {.steps = 200, .offset = 0.0};
} // namespace

constinit const BurstPalette redBursts = {
    .colourDraws = 3,
    .red = {.draw = 2, .shift = 0, .base = 20, .span = 235},
    .green = {.draw = 1, .shift = 0, .base = 0, .span = 25},
    .blue = {.draw = 0, .shift = 0, .base = 0, .span = 25},
    .penWidth = 5,
    .drag = dragRange,
    .angle = tintedAngle,
    .speed = tintedSpeed,
};

constinit const BurstPalette greenBursts = {
    .colourDraws = 3,
    .red = {.draw = 2, .shift = 0, .base = 0, .span = 80},
    .green = {.draw = 0, .shift = 0, .base = 100, .span = 155},
    .blue = {.draw = 1, .shift = 0, .base = 0, .span = 80},
    .penWidth = 3,
    .drag = dragRange,
    .angle = tintedAngle,
    .speed = tintedSpeed,
};

constinit const BurstPalette blueBursts = {
    .colourDraws = 3,
    .red = {.draw = 2, .shift = 0, .base = 80, .span = 50},
    .green = {.draw = 1, .shift = 0, .base = 80, .span = 50},
    .blue = {.draw = 0, .shift = 0, .base = 150, .span = 105},
    .penWidth = 3,
    .drag = dragRange,
    .angle = tintedAngle,
    .speed = tintedSpeed,
};

constinit const BurstPalette randomBursts = {
    .colourDraws = 1,
    .red = {.draw = 0, .shift = 0, .base = 0, .span = 256},
    .green = {.draw = 0, .shift = 8, .base = 0, .span = 256},
    .blue = {.draw = 0, .shift = 16, .base = 0, .span = 1},
    .penWidth = 2,
    .drag = dragRange,
    .angle = {.steps = 100, .offset = 0.0},
    .speed = {.steps = 100, .offset = 0.0},
};
