#include "CogEmblem.h"

#include "KeyedPicture.h"
#include "Resolution.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace assetgen::calculator {
namespace {

constexpr int kSize = 48;
constexpr QPointF kCentre{kSize / 2.0, kSize / 2.0};
constexpr int kTeeth = 12;
constexpr double kTipRadius = 23.0;
constexpr double kRootRadius = 18.5;
constexpr double kWebRadius = 14.5;
constexpr double kHubRadius = 8.0;
constexpr double kBoreRadius = 3.5;

const QColor kEdge{0x12, 0x22, 0x3E};

// Radius of the toothed rim at angle `phi`: flat tips and roots joined by straight flanks.
double rimRadius(double phi) {
    const double pitch = 2 * std::numbers::pi / kTeeth;
    const double f = std::fmod(phi + pitch / 4, pitch) / pitch; // 0..1 across one tooth
    constexpr double kTip = 0.36, kFlank = 0.12;
    if (f < kTip) {
        return kTipRadius;
    }
    if (f < kTip + kFlank) {
        return kTipRadius - (kTipRadius - kRootRadius) * (f - kTip) / kFlank;
    }
    if (f < 1 - kFlank) {
        return kRootRadius;
    }
    return kRootRadius + (kTipRadius - kRootRadius) * (f - (1 - kFlank)) / kFlank;
}

QPainterPath toothedRim() {
    constexpr int kSteps = 1440;
    QPainterPath path;
    for (int i = 0; i < kSteps; ++i) {
        const double phi = 2 * std::numbers::pi * i / kSteps;
        const QPointF p = kCentre + rimRadius(phi) * QPointF(std::cos(phi), std::sin(phi));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath disc(double radius) {
    QPainterPath path;
    path.addEllipse(kCentre, radius, radius);
    return path;
}

// Steel blue, lit from the upper left; `raised` faces catch the light, recessed ones are
// shaded from the same side.
QLinearGradient steelBlue(bool raised) {
    QLinearGradient gradient(QPointF(6, 4), QPointF(42, 44));
    const QColor light{0x8C, 0xB0, 0xE0}, dark{0x1A, 0x30, 0x58};
    gradient.setColorAt(raised ? 0.0 : 1.0, light);
    gradient.setColorAt(raised ? 1.0 : 0.0, dark);
    return gradient;
}

} // namespace

QImage cogEmblem(int scale) {
    QImage content = transparentCanvas({kSize, kSize}, scale);
    QPainter painter(&content);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath bore = disc(kBoreRadius);
    bore.addRect(QRectF(kCentre.x() - 1.25, kCentre.y() - kBoreRadius - 1.5, 2.5, 2.5)); // keyway
    bore = bore.simplified();

    const QPainterPath wheel = toothedRim().subtracted(bore);
    painter.fillPath(wheel, steelBlue(true));
    painter.strokePath(wheel, QPen(kEdge, 1.0));

    const QPainterPath web = disc(kWebRadius).subtracted(disc(kHubRadius));
    painter.fillPath(web, steelBlue(false));
    painter.strokePath(disc(kWebRadius), QPen(kEdge, 0.8));

    const QPainterPath hub = disc(kHubRadius).subtracted(bore);
    painter.fillPath(hub, steelBlue(true));
    painter.strokePath(hub, QPen(kEdge, 0.8));

    // A glint along the upper left of the rim.
    const QPen glint(QColor(0xE6, 0xF0, 0xFF, 0xB0), 1.2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(glint);
    const QRectF glintArc(kCentre.x() - 16.5, kCentre.y() - 16.5, 33, 33);
    painter.drawArc(glintArc, 100 * 16, 60 * 16);
    painter.end();
    return keyedOver(content, kButtonFace, qRgb(0xFF, 0xFF, 0xFF), QStringLiteral("emblem"));
}

} // namespace assetgen::calculator
