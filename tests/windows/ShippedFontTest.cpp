// The Persian titles' face on Windows, which has no Titr: the program adds the file it ships
// beside itself for its own process, and the titles are drawn with it. The test runs with the
// host's fonts hidden from Wine, so the shipped file is the only Titr there is.
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "resume/Unit3.h"
#include "widgets/ShippedFonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <QtEndian>
#include <memory>

namespace {

// The font file shipped beside the program.
QByteArray shippedFile() {
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/titr.ttf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A table of a TrueType file by its tag, as the file holds it; empty when it has none. Read
// from the bytes rather than through a raw font, which Qt would register as a face of its own,
// one that it then falls back to.
QByteArray fileTable(const QByteArray& file, const char* tag) {
    const int tables = file.size() >= 12 ? qFromBigEndian<quint16>(file.constData() + 4) : 0;
    for (int entry = 0; entry < tables && 12 + 16 * (entry + 1) <= file.size(); ++entry) {
        const char* record = file.constData() + 12 + 16 * entry;
        if (QByteArray(record, 4) == tag) {
            return file.mid(qFromBigEndian<quint32>(record + 8),
                            qFromBigEndian<quint32>(record + 12));
        }
    }
    return {};
}

// The text drawn in this font, black on white.
QImage drawn(const QFont& font, const QString& text) {
    QImage image(240, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace

class ShippedFontTest : public QObject {
    Q_OBJECT

private slots:
    void theSystemHasNoTitr() {
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Titr")));
    }

    // The face Qt draws each title's Persian letters with (the face for Arabic script, where a
    // fallback could stand in for the label's own) is the shipped file's: named Titr, with the
    // file's very character map, outlines and advances. Without the file, Qt would draw the
    // titles otherwise.
    void titlesAreDrawnWithTheShippedFace() {
        app::initialiseApplication(*qApp);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Titr")));

        const QByteArray shipped = shippedFile();
        const std::unique_ptr<TForm3> resume{app::createForm(Form3)};
        const QList<const QLabel*> titles = {
            resume->findChild<QLabel*>(QStringLiteral("TntLabel1")),
            resume->findChild<QLabel*>(QStringLiteral("TntLabel16")),
            resume->findChild<QLabel*>(QStringLiteral("TntLabel13"))};
        for (const QLabel* label : titles) {
            QVERIFY(label != nullptr);
            const QRawFont face = QRawFont::fromFont(label->font(), QFontDatabase::Arabic);
            QCOMPARE(face.familyName(), QStringLiteral("Titr"));
            for (const char* table : {"cmap", "glyf", "hmtx"}) {
                QVERIFY2(!fileTable(shipped, table).isEmpty(), table);
                QVERIFY2(face.fontTable(table) == fileTable(shipped, table), table);
            }
            for (const QChar letter : label->text()) {
                QVERIFY2(face.supportsCharacter(letter),
                         qPrintable(QStringLiteral("%1 has no U+%2")
                                        .arg(label->objectName())
                                        .arg(letter.unicode(), 4, 16, QLatin1Char('0'))));
            }
        }

        for (const QLabel* label : titles) {
            const QImage withShippedFace = drawn(label->font(), label->text());
            QFontDatabase::removeAllApplicationFonts();
            const QImage withFallback = drawn(label->font(), label->text());
            widgets::loadShippedFonts();
            QVERIFY(withShippedFace != withFallback);
            QVERIFY(withShippedFace != drawn(label->font(), QString()));
        }
    }
};

QTEST_MAIN(ShippedFontTest)
#include "ShippedFontTest.moc"
