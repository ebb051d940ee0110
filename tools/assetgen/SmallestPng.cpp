#include "SmallestPng.h"

#include <QtEndian>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>
#include <zlib.h>

namespace assetgen {
namespace {

constexpr int kFilterTypes = 5; // None, Sub, Up, Average, Paeth
constexpr int kRowByRow = kFilterTypes;

using Bytes = std::vector<std::uint8_t>;

std::uint8_t paethPredictor(int left, int above, int aboveLeft) {
    const int estimate = left + above - aboveLeft;
    const int toLeft = std::abs(estimate - left);
    const int toAbove = std::abs(estimate - above);
    const int toAboveLeft = std::abs(estimate - aboveLeft);
    if (toLeft <= toAbove && toLeft <= toAboveLeft) {
        return static_cast<std::uint8_t>(left);
    }
    return static_cast<std::uint8_t>(toAbove <= toAboveLeft ? above : aboveLeft);
}

// One row filtered with `type`, its filter byte first.
Bytes filterRow(const Bytes& row, const Bytes& prior, std::size_t bytesPerPixel, int type) {
    Bytes out(row.size() + 1);
    out[0] = static_cast<std::uint8_t>(type);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
        const int above = prior[i];
        const int aboveLeft = i >= bytesPerPixel ? prior[i - bytesPerPixel] : 0;
        int predicted = 0;
        switch (type) {
        case 1:
            predicted = left;
            break;
        case 2:
            predicted = above;
            break;
        case 3:
            predicted = (left + above) / 2;
            break;
        case 4:
            predicted = paethPredictor(left, above, aboveLeft);
            break;
        default:
            break;
        }
        out[i + 1] = static_cast<std::uint8_t>(row[i] - predicted);
    }
    return out;
}

// The usual heuristic for choosing a filter per row: the smallest sum of the filtered bytes
// taken as signed values.
long rowCost(const Bytes& filtered) {
    long cost = 0;
    for (std::size_t i = 1; i < filtered.size(); ++i) {
        cost += std::abs(static_cast<int>(static_cast<std::int8_t>(filtered[i])));
    }
    return cost;
}

Bytes filteredImage(const std::vector<Bytes>& rows, std::size_t bytesPerPixel, int mode) {
    Bytes out;
    Bytes prior(rows.front().size(), 0);
    for (const Bytes& row : rows) {
        Bytes chosen;
        if (mode == kRowByRow) {
            long best = -1;
            for (int type = 0; type < kFilterTypes; ++type) {
                Bytes candidate = filterRow(row, prior, bytesPerPixel, type);
                const long cost = rowCost(candidate);
                if (best < 0 || cost < best) {
                    best = cost;
                    chosen = std::move(candidate);
                }
            }
        } else {
            chosen = filterRow(row, prior, bytesPerPixel, mode);
        }
        out.insert(out.end(), chosen.begin(), chosen.end());
        prior = row;
    }
    return out;
}

QByteArray deflated(const Bytes& data, int strategy) {
    z_stream stream{};
    constexpr int kWindowBits = 15;
    constexpr int kMemoryLevel = 9;
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kWindowBits, kMemoryLevel,
                     strategy) != Z_OK) {
        throw std::runtime_error("zlib refused its settings");
    }
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, data.size())), '\0');
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    if (status != Z_STREAM_END) {
        throw std::runtime_error("zlib did not finish its stream");
    }
    return out;
}

void putBigEndian32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    putBigEndian32(out, static_cast<quint32>(data.size()));
    QByteArray typed(type, 4);
    typed.append(data);
    out.append(typed);
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(typed.constData()),
                           static_cast<uInt>(typed.size()));
    putBigEndian32(out, static_cast<quint32>(crc));
}

// The picture's rows, 8 bits a channel, in the PNG colour type chosen for it.
struct PngPixels {
    char colourType = 0;
    std::size_t bytesPerPixel = 0;
    std::vector<Bytes> rows;
};

bool everyPixelGrey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(line[x]) != qGreen(line[x]) || qRed(line[x]) != qBlue(line[x])) {
                return false;
            }
        }
    }
    return true;
}

PngPixels pngPixels(const QImage& source) {
    constexpr char kGrey = 0, kRgb = 2, kRgba = 6;
    PngPixels pixels;
    QImage image;
    if (source.hasAlphaChannel()) {
        pixels = {kRgba, 4, {}};
        image = source.convertToFormat(QImage::Format_RGBA8888);
    } else if (const QImage opaque = source.convertToFormat(QImage::Format_RGB32);
               everyPixelGrey(opaque)) {
        pixels = {kGrey, 1, {}};
        image = opaque.convertToFormat(QImage::Format_Grayscale8);
    } else {
        pixels = {kRgb, 3, {}};
        image = opaque.convertToFormat(QImage::Format_RGB888);
    }
    const auto rowBytes = static_cast<std::size_t>(image.width()) * pixels.bytesPerPixel;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = image.constScanLine(y);
        pixels.rows.emplace_back(line, line + rowBytes);
    }
    return pixels;
}

} // namespace

QByteArray smallestPng(const QImage& source, int dotsPerMetre) {
    const PngPixels pixels = pngPixels(source);

    QByteArray imageData;
    for (int mode = 0; mode <= kRowByRow; ++mode) {
        const Bytes filtered = filteredImage(pixels.rows, pixels.bytesPerPixel, mode);
        for (const int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE}) {
            QByteArray candidate = deflated(filtered, strategy);
            if (imageData.isEmpty() || candidate.size() < imageData.size()) {
                imageData = std::move(candidate);
            }
        }
    }

    QByteArray header;
    putBigEndian32(header, static_cast<quint32>(source.width()));
    putBigEndian32(header, static_cast<quint32>(source.height()));
    // 8 bits a channel, the colour type, then deflate and the adaptive filters (PNG's only
    // methods) and no interlacing.
    const std::array<char, 5> settings{8, pixels.colourType, 0, 0, 0};
    header.append(settings.data(), settings.size());

    QByteArray out("\x89PNG\r\n\x1A\n", 8);
    appendChunk(out, "IHDR", header);
    if (dotsPerMetre > 0) {
        QByteArray density;
        putBigEndian32(density, static_cast<quint32>(dotsPerMetre));
        putBigEndian32(density, static_cast<quint32>(dotsPerMetre));
        density.append('\1'); // the unit is the metre
        appendChunk(out, "pHYs", density);
    }
    appendChunk(out, "IDAT", imageData);
    appendChunk(out, "IEND", {});
    return out;
}

} // namespace assetgen
