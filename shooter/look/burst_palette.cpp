// The shooter's burst palettes.
#include "look/burst_palette.h"

namespace {
constexpr TenthsRange dragRange = {.steps = 100, .offset = 2.0};

// A channel of a tinted palette: base + the colour number `draw` % span.
constexpr ChannelDraw channel(int draw, int base, int span) {
    return {.draw = draw, .shift = 0, .base = base, .span = span};
}

// Three colour numbers, directions of 0 .. 6.9 radians and speeds of 0 .. 19.9.
constexpr BurstPalette tinted(ChannelDraw red, ChannelDraw green, ChannelDraw blue, int penWidth) {
    return {.colourDraws = 3,
            .red = red,
            .green = green,
            .blue = blue,
            .penWidth = penWidth,
            .drag = dragRange,
            .angle = {.steps = 70, .offset = 0.0},
            .speed = {.steps = 200, .offset = 0.0}};
}
} // namespace

constinit const BurstPalette redBursts =
    tinted(channel(2, 20, 235), channel(1, 0, 25), channel(0, 0, 25), 5);
constinit const BurstPalette greenBursts =
    tinted(channel(2, 0, 80), channel(0, 100, 155), channel(1, 0, 80), 3);
constinit const BurstPalette blueBursts =
    tinted(channel(2, 80, 50), channel(1, 80, 50), channel(0, 150, 105), 3);

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
