// A PNG file's header and chunk layout, found by walking its chunks up to IEND.
#pragma once

#include <QByteArray>
#include <QString>

struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0; // 2 truecolour, 3 palette, 6 truecolour with alpha, ...
    int interlace = 0;
    bool palette = false;      // a PLTE chunk, allowed but unused with truecolour
    bool transparency = false; // a tRNS chunk: one colour or palette entries see-through
};

struct PngReading {
    PngHeader header;
    QString problem; // empty when the chunks are well formed, with image data, ending in IEND
};

PngReading readPngHeader(const QByteArray& bytes);
