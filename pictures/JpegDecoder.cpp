#include "pictures/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace pictures {
namespace {

// libjpeg's own error manager ends the process; this one jumps back to the decoder, which
// gives up on the picture. Only trivially destructible objects live between setjmp and a
// longjmp to it.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf recovery;
};

void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->recovery, 1);
}

// Warnings about damaged data are counted, not printed.
void stayQuiet(j_common_ptr) {}

struct Decompressor {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
};

// Reads the header into `d`; false when the data is damaged. Leaves `d` to be destroyed.
bool readHeader(Decompressor& d, const QByteArray& data) {
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = jumpBack;
    d.errors.base.output_message = stayQuiet;
    if (setjmp(d.errors.recovery) != 0) {
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    return jpeg_read_header(&d.info, TRUE) == JPEG_HEADER_OK;
}

// The embedded pictures are far smaller; a damaged header claiming more is not believed.
constexpr JDIMENSION kLargestSide = 8192;

// Decodes the picture whose header `d` has read into `image`; false when the data is damaged.
bool readPixels(Decompressor& d, int scaleInEighths, QImage& image) {
    if (setjmp(d.errors.recovery) != 0) {
        return false;
    }
    // Straight into the 32-bit format pixmaps are made of: libjpeg-turbo writes blue, green,
    // red and an opaque fourth byte, which is Qt's RGB32 in memory on this little-endian
    // platform.
    d.info.out_color_space = JCS_EXT_BGRX;
    d.info.scale_num = static_cast<unsigned>(scaleInEighths);
    d.info.scale_denom = 8;
    jpeg_calc_output_dimensions(&d.info);
    if (d.info.output_width > kLargestSide || d.info.output_height > kLargestSide ||
        d.info.output_components != 4) {
        return false;
    }
    image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    // libjpeg only warns about corrupt data and fills in what is missing; a picture made up in
    // part is not shown.
    return d.errors.base.num_warnings == 0;
}

} // namespace

int jpegScaleInEighths(QSize picture, QSize shown) {
    for (int eighths = 1; eighths < 8; ++eighths) {
        // libjpeg rounds scaled sizes up.
        const int width = (picture.width() * eighths + 7) / 8;
        const int height = (picture.height() * eighths + 7) / 8;
        if (width >= shown.width() && height >= shown.height()) {
            return eighths;
        }
    }
    return 8;
}

QSize jpegSize(const QByteArray& data) {
    Decompressor d;
    QSize size;
    if (readHeader(d, data)) {
        size = QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height));
    }
    jpeg_destroy_decompress(&d.info);
    return size;
}

QImage decodeJpeg(const QByteArray& data, int scaleInEighths) {
    Decompressor d;
    QImage image;
    if (!readHeader(d, data) || !readPixels(d, scaleInEighths, image)) {
        image = QImage();
    }
    jpeg_destroy_decompress(&d.info);
    return image;
}

} // namespace pictures
