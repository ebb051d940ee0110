// An icon file's images, as its directory lists them and as their own headers describe them.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

struct IconReading {
    std::vector<IconImage> images; // in directory order
    QString problem; // empty when every entry is within the file and agrees with its image
};

IconReading readIcon(const QByteArray& bytes);
