// A bitmap file read from its bytes, accepting only the layout the program's pictures use:
// BITMAPINFOHEADER, 24 bits per pixel, BI_RGB, no palette.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

QString hexName(Rgb colour);

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top row first, whichever way the file stores its rows

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    Rgb bottomLeft() const { return at(0, height - 1); }
};

struct BitmapReading {
    Bitmap bitmap;
    QString problem; // empty when the file has the expected layout
};

BitmapReading readBitmap(const QByteArray& bytes);
