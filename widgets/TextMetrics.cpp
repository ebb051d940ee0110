#include "widgets/TextMetrics.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <QtEndian>
#include <cmath>

namespace widgets {
namespace {

constexpr int kHeadUnitsPerEm = 18;
constexpr int kOs2WinAscent = 74;
constexpr int kOs2WinDescent = 76;

LineMetrics measureLine(const QFont& font) {
    const QFontMetrics qtMetrics(font);
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() < kOs2WinDescent + 2 || head.size() < kHeadUnitsPerEm + 2) {
        return {qtMetrics.ascent(), qtMetrics.height()};
    }
    const double unitsPerEm = qFromBigEndian<quint16>(head.constData() + kHeadUnitsPerEm);
    const double winAscent = qFromBigEndian<quint16>(os2.constData() + kOs2WinAscent);
    const double winDescent = qFromBigEndian<quint16>(os2.constData() + kOs2WinDescent);
    if (unitsPerEm <= 0) {
        return {qtMetrics.ascent(), qtMetrics.height()};
    }
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const double scale = pixels / unitsPerEm;
    return {static_cast<int>(std::lround(winAscent * scale)),
            static_cast<int>(std::lround((winAscent + winDescent) * scale))};
}

} // namespace

LineMetrics lineMetricsOf(const QFont& font) {
    // A handful of fonts serve every label; reading a face's tables each time would not.
    static QHash<QString, LineMetrics> measured;
    const QString key = font.key();
    const auto found = measured.constFind(key);
    if (found != measured.constEnd()) {
        return *found;
    }
    return *measured.insert(key, measureLine(font));
}

} // namespace widgets
