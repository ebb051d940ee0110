#include "pictures/JpegDecoder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared
#include <jpeglib.h>
#include <memory>

namespace pictures {
namespace {

// libjpeg reports a damaged stream by calling error_exit, which must not return: it jumps
// back to the function that started the work. Everything that function keeps across the jump
// lives here, on the heap, so no local of it changes between setjmp and longjmp.
struct Decompression {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
};

[[noreturn]] void jumpToFailure(j_common_ptr info) {
    std::longjmp(static_cast<Decompression*>(info->client_data)->failed, 1);
}

// Warnings (a stream with trailing garbage, say) are no reason to print anything.
void ignoreMessage(j_common_ptr) {}

struct Finish {
    void operator()(Decompression* d) const {
        jpeg_destroy_decompress(&d->info);
        delete d;
    }
};
using Decompressor = std::unique_ptr<Decompression, Finish>;

Decompressor decompressing(const QByteArray& data) {
    Decompressor d(new Decompression);
    d->info.err = jpeg_std_error(&d->errors);
    d->errors.error_exit = jumpToFailure;
    d->errors.output_message = ignoreMessage;
    d->info.client_data = d.get();
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    return d;
}

bool readHeader(Decompression* d) {
    if (setjmp(d->failed) != 0) {
        return false;
    }
    return jpeg_read_header(&d->info, TRUE) == JPEG_HEADER_OK;
}

// libjpeg scales by M/8 for M from 1 to 8 while it decodes: the smallest such size that is at
// least `wanted`, as Qt's JPEG reader chooses it.
void chooseReducedSize(jpeg_decompress_struct& info, QSize wanted) {
    if (!wanted.isValid() || wanted.isEmpty() || info.image_width == 0 || info.image_height == 0) {
        return;
    }
    const double factor = std::min(double(info.image_width) / wanted.width(),
                                   double(info.image_height) / wanted.height());
    info.scale_num = static_cast<unsigned>(std::clamp(int(std::ceil(8 / factor)), 1, 8));
    info.scale_denom = 8;
}

// Decodes into `image`, which it allocates once the decoded size is known. False on a
// damaged stream; the image is then to be thrown away.
bool decodeInto(Decompression* d, QSize scaledTo, QImage& image) {
    if (setjmp(d->failed) != 0) {
        return false;
    }
    jpeg_decompress_struct& info = d->info;
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    if (!grey && info.num_components != 3) {
        return false;
    }
    // libjpeg-turbo writes blue, green, red and 0xff, which is Qt's RGB32 on a little-endian
    // machine: straight into the image's rows, with its SIMD colour conversion.
    static_assert(
        std::endian::native == std::endian::little,
        "JCS_EXT_BGRX is laid out as QImage::Format_RGB32 only on little-endian machines");
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    chooseReducedSize(info, scaledTo);
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QSize jpegSize(const QByteArray& data) {
    if (data.isEmpty()) {
        return {};
    }
    const Decompressor d = decompressing(data);
    if (!readHeader(d.get())) {
        return {};
    }
    return {int(d->info.image_width), int(d->info.image_height)};
}

QImage decodeJpeg(const QByteArray& data, QSize scaledTo) {
    if (data.isEmpty()) {
        return {};
    }
    QImage image;
    if (!decodeInto(decompressing(data).get(), scaledTo, image)) {
        return {};
    }
    if (scaledTo.isValid() && !scaledTo.isEmpty() && scaledTo != image.size()) {
        return image.scaled(scaledTo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

} // namespace pictures
