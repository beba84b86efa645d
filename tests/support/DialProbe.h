// Looking for the hand on a dial picture: points along a direction from the face centre, and
// whether the hand's colour is found near them.
#pragma once

#include <QImage>
#include <QPointF>
#include <cmath>

constexpr double kDialCentre = 125.0;

/// The point at `radius` pixels from the centre, `degrees` clockwise from 12 o'clock.
inline QPointF alongHand(double degrees, double radius) {
    const double a = degrees * M_PI / 180;
    return {kDialCentre + radius * std::sin(a), kDialCentre - radius * std::cos(a)};
}

inline bool isGreenHand(QRgb pixel) {
    return qGreen(pixel) > 200 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

/// Whether a pixel of the green hand lies within `reach` pixels of the point.
inline bool handColourNear(const QImage& image, QPointF at, int reach) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(int(std::floor(at.x())) + dx, int(std::floor(at.y())) + dy);
            if (image.rect().contains(p) && isGreenHand(image.pixel(p))) return true;
        }
    }
    return false;
}
