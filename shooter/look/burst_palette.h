// BurstPalette: the colour scheme of a burst's sparks as data: how a spark's colour is made of
// fresh random numbers, its pen width, and the ranges its drag, direction and speed are thrown
// in. The shooter's four palettes are named constants (burst_palette.cpp).
#pragma once

// One colour channel: base + (colour number `draw`, shifted right by `shift` bits) % span,
// where the colour numbers are the spark's first draws, counted from 0.
struct ChannelDraw {
    int draw;
    int shift;
    int base;
    int span;
};

// A value thrown in tenths: (fresh number % steps) * 0.1 + offset.
struct TenthsRange {
    int steps;
    double offset;
};

constexpr int maxColourDraws = 3;

// A spark draws colourDraws numbers (at most maxColourDraws) for its colour first, then one number
// each for its drag, its direction (radians) and its speed, in that order.
struct BurstPalette {
    int colourDraws;
    ChannelDraw red;
    ChannelDraw green;
    ChannelDraw blue;
    int penWidth;
    TenthsRange drag;
    TenthsRange angle;
    TenthsRange speed;
};

// Red, green and blue sparks: three numbers for the colour and wide pens; the directions up to
// about 0.6 radians come up twice as often (0 .. 6.9).
extern const BurstPalette redBursts;
extern const BurstPalette greenBursts;
extern const BurstPalette blueBursts;
// Sparks of random colours: one raw number (0 .. 32767) is the colour, red from its low 8 bits
// and green from the next 7, thrown slower and in every direction.
extern const BurstPalette randomBursts;
