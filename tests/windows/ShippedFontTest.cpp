// The Persian titles' face on Windows, which has no Titr: the program adds the file it ships
// beside itself for its own process, and the titles are drawn with it. The test runs with the
// host's fonts hidden from Wine, so the shipped file is the only Titr there is.
#include "app/CreateForm.h"
#include "app/StartUp.h"
#include "resume/Unit3.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QTest>
#include <memory>

class ShippedFontTest : public QObject {
    Q_OBJECT

private slots:
    void theSystemHasNoTitr() {
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Titr")));
    }

    void titlesAreDrawnWithTheShippedFace() {
        app::initialiseApplication(*qApp);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Titr")));

        const std::unique_ptr<TForm3> resume{app::createForm(Form3)};
        for (const char* name : {"TntLabel1", "TntLabel16", "TntLabel13"}) {
            const auto* label = resume->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(label != nullptr);
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Titr"));
            const QRawFont face = QRawFont::fromFont(label->font(), QFontDatabase::Arabic);
            for (const QChar letter : label->text()) {
                QVERIFY2(face.supportsCharacter(letter),
                         qPrintable(QStringLiteral("%1 has no U+%2")
                                        .arg(QLatin1String(name))
                                        .arg(letter.unicode(), 4, 16, QLatin1Char('0'))));
            }
        }
    }
};

QTEST_MAIN(ShippedFontTest)
#include "ShippedFontTest.moc"
