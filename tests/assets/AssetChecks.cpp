#include "AssetChecks.h"

#include "DecodedPixels.h"
#include "IconFile.h"
#include "JpegFile.h"
#include "KeyCoverage.h"
#include "PngFile.h"
#include "TwinComparison.h"

#include <QStringList>
#include <cstdlib>
#include <optional>

namespace {

QString sizeProblem(int width, int height, const Asset& asset) {
    if (width == asset.width && height == asset.height) {
        return {};
    }
    return QStringLiteral("%1x%2 pixels, expected %3x%4")
        .arg(width)
        .arg(height)
        .arg(asset.width)
        .arg(asset.height);
}

QString bitmapProblem(const QByteArray& bytes, const Asset& asset) {
    const BitmapReading reading = readBitmap(bytes);
    if (!reading.problem.isEmpty()) {
        return reading.problem;
    }
    return sizeProblem(reading.bitmap.width, reading.bitmap.height, asset);
}

QString pngProblem(const QByteArray& bytes, const Asset& asset) {
    const PngReading reading = readPngHeader(bytes);
    if (!reading.problem.isEmpty()) {
        return reading.problem;
    }
    const PngHeader& header = reading.header;
    if ((header.colourType != 0 && header.colourType != 2) || header.bitDepth != 8) {
        return QStringLiteral("colour type %1 of %2 bits, expected 0 (grey) or 2 (RGB) of 8")
            .arg(header.colourType)
            .arg(header.bitDepth);
    }
    if (header.interlace != 0) {
        return QStringLiteral("interlaced");
    }
    if (header.palette || header.transparency) {
        return QStringLiteral("a palette or a transparent colour");
    }
    return sizeProblem(header.width, header.height, asset);
}

QString jpegProblem(const QByteArray& bytes, const Asset& asset) {
    const JpegReading reading = readJpegFrame(bytes);
    if (!reading.problem.isEmpty()) {
        return reading.problem;
    }
    const JpegFrame& frame = reading.frame;
    if (frame.marker != 0xC0) {
        return QStringLiteral("frame marker FF%1, not baseline FFC0")
            .arg(QString::number(frame.marker, 16).toUpper());
    }
    if (frame.precision != 8 || frame.components != 3) {
        return QStringLiteral("%1 components of %2 bits, expected 3 of 8")
            .arg(frame.components)
            .arg(frame.precision);
    }
    return sizeProblem(frame.width, frame.height, asset);
}

QString iconProblem(const QByteArray& bytes) {
    const IconReading reading = readIcon(bytes);
    if (!reading.problem.isEmpty()) {
        return reading.problem;
    }
    QStringList found, expected;
    for (const IconImage& image : reading.images) {
        found << QStringLiteral("%1x%2@%3")
                     .arg(image.width)
                     .arg(image.height)
                     .arg(image.bitsPerPixel);
    }
    for (int size : kIconSizes) {
        expected << QStringLiteral("%1x%1@32").arg(size);
    }
    if (found == expected) {
        return {};
    }
    return QStringLiteral("images %1, expected %2")
        .arg(found.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
}

bool near(Rgb colour, Rgb expected, int tolerance) {
    return std::abs(colour.red - expected.red) <= tolerance &&
           std::abs(colour.green - expected.green) <= tolerance &&
           std::abs(colour.blue - expected.blue) <= tolerance;
}

} // namespace

QString formatProblem(const QByteArray& bytes, const Asset& asset) {
    if (bytes.isEmpty()) {
        return QStringLiteral("empty");
    }
    switch (asset.kind) {
    case AssetKind::Bitmap:
        return bitmapProblem(bytes, asset);
    case AssetKind::Png:
        return pngProblem(bytes, asset);
    case AssetKind::Jpeg:
        return jpegProblem(bytes, asset);
    case AssetKind::Icon:
        return iconProblem(bytes);
    }
    return QStringLiteral("unknown kind");
}

QString keyProblem(const QByteArray& bytes, const Asset& asset) {
    const BitmapReading reading = readPixels(bytes, asset.kind);
    if (!reading.problem.isEmpty()) {
        return reading.problem;
    }
    const KeyExpectation& expected = *asset.key;
    const Rgb key = reading.bitmap.bottomLeft();
    if (!near(key, expected.colour, expected.tolerance)) {
        return QStringLiteral("bottom-left pixel %1, expected %2")
            .arg(hexName(key), hexName(expected.colour));
    }
    const KeyCoverage coverage = keyCoverage(reading.bitmap, key);
    if (coverage.share < expected.minShare || coverage.share > expected.maxShare) {
        return QStringLiteral("%1% of the picture is key coloured, expected %2-%3%")
            .arg(100 * coverage.share, 0, 'f', 1)
            .arg(100 * expected.minShare)
            .arg(100 * expected.maxShare);
    }
    if (!expected.holes && coverage.enclosed > 0) {
        return QStringLiteral("%1 key-coloured pixels inside the content would vanish")
            .arg(coverage.enclosed);
    }
    return {};
}

bool isDoubleSize(const Asset& asset) {
    return QLatin1String(asset.path).contains(QLatin1String("@2x."));
}

const Asset* designedTwin(const Asset& asset) {
    const QString path = QLatin1String(asset.path);
    const QString stem = path.left(path.lastIndexOf(QLatin1String("@2x."))) + QLatin1Char('.');
    for (const Asset& other : kAssets) {
        if (QLatin1String(other.path).startsWith(stem)) {
            return &other;
        }
    }
    return nullptr;
}

QString twinProblem(const QByteArray& doubledBytes, const Asset& doubled,
                    const QByteArray& designedBytes, const Asset& designed) {
    const BitmapReading large = readPixels(doubledBytes, doubled.kind);
    const BitmapReading small = readPixels(designedBytes, designed.kind);
    if (!large.problem.isEmpty() || !small.problem.isEmpty()) {
        return large.problem + small.problem;
    }
    if (large.bitmap.width != 2 * small.bitmap.width ||
        large.bitmap.height != 2 * small.bitmap.height) {
        return QStringLiteral("%1x%2 pixels, not twice the designed %3x%4")
            .arg(large.bitmap.width)
            .arg(large.bitmap.height)
            .arg(small.bitmap.width)
            .arg(small.bitmap.height);
    }
    std::optional<Rgb> key;
    if (designed.key) {
        key = small.bitmap.bottomLeft();
        if (large.bitmap.bottomLeft() != *key) {
            return QStringLiteral("bottom-left pixel %1, the designed picture's key is %2")
                .arg(hexName(large.bitmap.bottomLeft()), hexName(*key));
        }
    }
    const TwinComparison comparison = compareTwins(small.bitmap, large.bitmap, key);
    // Redrawn at the higher resolution, edges and textures come out a little differently.
    constexpr double kMaxMeanDifference = 8.0;
    constexpr double kMinKeyAgreement = 0.98;
    // Pixel doubling leaves every 2 x 2 block flat; a redrawing has finer detail at every edge.
    constexpr double kMinFinerBlocks = 0.02;
    if (comparison.meanDifference > kMaxMeanDifference ||
        comparison.keyAgreement < kMinKeyAgreement) {
        return QStringLiteral("not the designed drawing: reduced 2:1 it differs by %1 per channel "
                              "(at most %2) and %3% of its pixels are keyed alike (at least %4%)")
            .arg(comparison.meanDifference, 0, 'f', 2)
            .arg(kMaxMeanDifference)
            .arg(100 * comparison.keyAgreement, 0, 'f', 2)
            .arg(100 * kMinKeyAgreement);
    }
    if (comparison.finerBlocks < kMinFinerBlocks) {
        return QStringLiteral("the designed pixels doubled: %1% of the 2 x 2 blocks carry detail")
            .arg(100 * comparison.finerBlocks, 0, 'f', 2);
    }
    return {};
}
