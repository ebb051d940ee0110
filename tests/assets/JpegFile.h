// A JPEG file's frame header, found by walking its marker segments up to the first scan.
#pragma once

#include <QByteArray>
#include <QString>

struct JpegFrame {
    int marker = 0; // 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

struct JpegReading {
    JpegFrame frame;
    QString problem; // empty when the file is well formed up to its first scan and ends in EOI
};

JpegReading readJpegFrame(const QByteArray& bytes);
