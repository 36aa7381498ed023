// Outline construction and deep copy.
#include "world/outline.h"

#include <cmath>

Outline::Outline(const Outline& other) {
    *this = other;
}

Outline& Outline::operator=(const Outline& other) {
    if (this == &other) {
        return *this;
    }
    position = other.position;
    centre = other.centre;
    radius = other.radius;
    vertices.clear();
    for (int i = 0; i < other.vertices.count(); ++i) {
        vertices.add(new Vec2(*other.vertices.get(i)));
    }
    return *this;
}

void Outline::buildRegular(float polygonRadius, int count) {
    vertices.clear();
    // The running angle is kept in single precision, as the corners' places depend on it.
    const float step = static_cast<float>(fullTurn / count);
    float angle = 0.0f;
    for (int i = 0; i < count; ++i) {
        const double a = static_cast<double>(angle);
        vertices.add(new Vec2(polygonRadius * std::cos(a), polygonRadius * std::sin(a)));
        angle += step;
    }
    centre = position;
    radius = 0.0f;
    for (int i = 0; i < vertices.count(); ++i) {
        const float distance = centre.distanceTo(*vertices.get(i));
        if (distance > radius) {
            radius = distance;
        }
    }
}
