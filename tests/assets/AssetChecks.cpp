#include "AssetChecks.h"

#include "DecodedPixels.h"
#include "IconFile.h"
#include "JpegFile.h"
#include "KeyCoverage.h"
#include "PngFile.h"

#include <QStringList>
#include <cstdlib>

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
    if (header.colourType != 2 || header.bitDepth != 8) {
        return QStringLiteral("colour type %1 of %2 bits, expected 2 (RGB) of 8")
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
