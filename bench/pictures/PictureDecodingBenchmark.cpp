// Decodes every embedded bitmap, JPEG picture and the program icon twice, with the program's
// own decoders and with Qt's image reader (its bitmap and PNG readers, its JPEG and icon
// plugins), the slides also scaled to their thumbnail and to the viewing box as the gallery
// shows them. Before the runs it prints
// what Qt's reader costs the first time a process uses it (the plugin search, then each plugin
// mapped), which a start-up pays once.
#include "pictures/BitmapDecoder.h"
#include "pictures/IconDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/PictureFile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QImage throughQtsReader(const QByteArray& data, QSize scaledTo = {}) {
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (scaledTo.isValid()) {
        reader.setScaledSize(scaledTo);
    }
    return reader.read();
}

QList<QImage> iconImagesThroughQtsReader(const QByteArray& data) {
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QList<QImage> images;
    for (bool more = true; more; more = reader.jumpToNextImage()) {
        images.append(reader.read());
    }
    return images;
}

template <typename Decode> void decodeRepeatedly(benchmark::State& state, Decode decode) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode());
    }
}

double millisecondsFor(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void printFirstUses() {
    const QByteArray bitmap = pictures::readPictureFile(QStringLiteral(":/Form1/Image9.bmp"));
    const QByteArray icon = pictures::readPictureFile(QStringLiteral(":/MAINICON.ico"));
    const QByteArray slide = pictures::readPictureFile(QStringLiteral(":/Form3/Image1.jpg"));
    std::printf("first uses of Qt's reader in this process:\n");
    std::printf("  bitmap (plugin search)      %7.3f ms\n",
                millisecondsFor([&] { throughQtsReader(bitmap); }));
    std::printf("  icon (icon plugin mapped)   %7.3f ms\n",
                millisecondsFor([&] { iconImagesThroughQtsReader(icon); }));
    std::printf("  JPEG (JPEG plugin mapped)   %7.3f ms\n",
                millisecondsFor([&] { throughQtsReader(slide); }));
    std::fflush(stdout);
}

void registerPicture(const QString& path) {
    const QByteArray data = pictures::readPictureFile(path);
    const std::string name = path.mid(2).toStdString();
    if (path.endsWith(QLatin1String(".ico"))) {
        benchmark::RegisterBenchmark(("ours/" + name).c_str(), [data](benchmark::State& state) {
            decodeRepeatedly(state, [&] { return pictures::decodeIcon(data); });
        });
        benchmark::RegisterBenchmark(("qt/" + name).c_str(), [data](benchmark::State& state) {
            decodeRepeatedly(state, [&] { return iconImagesThroughQtsReader(data); });
        });
        return;
    }
    if (pictures::isJpegPath(path)) {
        // Own size; a slide also as a thumbnail and in the viewing box (the background is
        // never scaled).
        std::vector<QSize> sizes{QSize()};
        if (!path.contains(QLatin1String("Image2"))) {
            sizes.insert(sizes.end(), {QSize(49, 41), QSize(425, 313)});
        }
        for (const QSize shown : sizes) {
            const std::string size = shown.isValid() ? "@" + std::to_string(shown.width()) + "x" +
                                                           std::to_string(shown.height())
                                                     : "";
            benchmark::RegisterBenchmark(
                ("ours/" + name + size).c_str(), [data, shown](benchmark::State& state) {
                    decodeRepeatedly(state, [&] { return pictures::decodeJpeg(data, shown); });
                });
            benchmark::RegisterBenchmark(
                ("qt/" + name + size).c_str(), [data, shown](benchmark::State& state) {
                    decodeRepeatedly(state, [&] { return throughQtsReader(data, shown); });
                });
        }
        return;
    }
    benchmark::RegisterBenchmark(("ours/" + name).c_str(), [data](benchmark::State& state) {
        decodeRepeatedly(state, [&] { return pictures::decodeBitmap(data); });
    });
    benchmark::RegisterBenchmark(("qt/" + name).c_str(), [data](benchmark::State& state) {
        decodeRepeatedly(state, [&] { return throughQtsReader(data); });
    });
}

} // namespace

int main(int argc, char** argv) {
    printFirstUses();
    QStringList paths{QStringLiteral(":/MAINICON.ico")};
    for (const char* folder : {":/Form1", ":/Form3"}) {
        QDirIterator files(QString::fromLatin1(folder), QDir::Files);
        while (files.hasNext()) {
            paths.append(files.next());
        }
    }
    paths.sort();
    for (const QString& path : paths) {
        registerPicture(path);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
