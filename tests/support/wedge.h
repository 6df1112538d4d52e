#pragma once

// A wedge's area worked independently of the library that reads plans: the shape clipped to the
// two half-planes of the wedge's sides (Sutherland-Hodgman, exact for a convex clip region), then
// the shoelace formula. Image y runs down, so cross(d, v) > 0 when v is clockwise of d.

#include <QList>
#include <QPointF>

#include <cmath>
#include <numbers>

namespace orrindel::test {

// The part of the 45° wedge about c centred on `bearing`, when the image's up has bearing `up`.
inline double wedgeArea(QList<QPointF> shape, QPointF c, double up, double bearing)
{
    const auto side = [&](double degrees, double sign) {
        const double a = (degrees - up) * std::numbers::pi / 180, dx = std::sin(a), dy = -std::cos(a);
        const auto f = [&](QPointF p) { return sign * (dx * (p.y() - c.y()) - dy * (p.x() - c.x())); };
        QList<QPointF> kept;
        for (qsizetype i = 0; i < shape.size(); ++i) {
            const QPointF p = shape[i], q = shape[(i + 1) % shape.size()];
            if (f(p) >= 0)
                kept << p;
            if ((f(p) < 0) != (f(q) < 0))
                kept << p + (q - p) * (f(p) / (f(p) - f(q)));
        }
        shape = kept;
    };
    side(bearing - 22.5, 1), side(bearing + 22.5, -1);
    double twice = 0;
    for (qsizetype i = 0; i < shape.size(); ++i)
        twice += shape[i].x() * shape[(i + 1) % shape.size()].y() - shape[(i + 1) % shape.size()].x() * shape[i].y();
    return std::abs(twice) / 2;
}

} // namespace orrindel::test
