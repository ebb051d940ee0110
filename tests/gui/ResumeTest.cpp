// The résumé window driven with real clicks and keys through its slide transitions.
#include "ProgramWindows.h"
#include "RealInput.h"
#include "SlideCatalogue.h"

#include <QSignalSpy>

namespace {

GalleryComponents ui() {
    return {};
}

SlideParts slide(int number) {
    return slideOf(number);
}

QWidget* topmostGraphic() {
    return graphicsInStackingOrder(*Form3).constLast();
}

// Every text the slide number took, in order, while `action` ran.
template <typename Action> QStringList slideNumbersWrittenBy(Action action) {
    QStringList written;
    const auto connection =
        QObject::connect(ui().Edit1, &QLineEdit::textChanged,
                         [&written](const QString& text) { written.append(text); });
    action();
    QObject::disconnect(connection);
    return written;
}

void expectShowing(int number) {
    const SlideParts parts = slide(number);
    QCOMPARE(ui().Edit1->text(), QString::number(number));
    QCOMPARE(parts.picture->geometry(), kViewingBox);
    QVERIFY(parts.picture->isVisible());
    QCOMPARE(topmostGraphic(), parts.picture);
    QCOMPARE(ui().TntLabel1->text(), parts.title->text());
    QCOMPARE(ui().TntLabel3->text(), parts.subtitle->text());
}

void next() {
    click(ui().BitBtn1);
}
void previous() {
    click(ui().BitBtn2);
}

} // namespace

class ResumeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::initialiseApplication(*qApp); }

    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->ready());
        openResume();
    }

    void cleanup() { windows.reset(); }

    void galleryAtTheFirstOpening() {
        QCOMPARE(ui().Edit1->text(), QStringLiteral("0"));
        QVERIFY(!ui().Edit1->isVisible());
        QVERIFY(ui().Edit1->isReadOnly());
        QCOMPARE(ui().TntLabel1->text(), QString::fromUtf8("طراحي نوار نقاله"));
        QCOMPARE(ui().TntLabel3->text(), QStringLiteral("( Belt conveyor )"));
        for (int number = 1; number <= 10; ++number) {
            QCOMPARE(slide(number).picture->geometry(),
                     QRect(slide(number).thumbnail, QSize(49, 41)));
            QVERIFY(slide(number).picture->isVisible());
        }
        QCOMPARE(ui().Image2->geometry(), Form3->rect());
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
        QCOMPARE(Form3->windowTitle(), QStringLiteral("Resume"));
        QCOMPARE(Form3->size(), QSize(590, 391));
    }

    void componentsStackInTheLayoutOrder() {
        QStringList names;
        for (QWidget* widget : graphicsInStackingOrder(*Form3)) {
            names.append(widget->objectName());
        }
        QCOMPARE(names.join(u' '),
                 QStringLiteral("Image2 TntLabel1 TntLabel3 Image1 TntLabel12 TntLabel13 Bevel1 "
                                "Image3 TntLabel16 TntLabel17 Image4 Image5 Image6 Image7 Image8 "
                                "Image9 Image10 Image11 TntLabel14 TntLabel18 TntLabel19 "
                                "TntLabel20 TntLabel21 TntLabel22 TntLabel23 TntLabel24 "
                                "TntLabel25 TntLabel26 TntLabel27 TntLabel28 TntLabel29 "
                                "TntLabel30 TntLabel31 TntLabel32 Image12 Image13 Label1 Label2 "
                                "Label3"));
    }

    void nextFromTheGalleryShowsSlideOne() {
        QCOMPARE(slideNumbersWrittenBy(next), QStringList{"1"});
        expectShowing(1);
    }

    void previousFromTheGalleryShowsSlideTen() {
        QCOMPARE(slideNumbersWrittenBy(previous), (QStringList{"-1", "10"}));
        expectShowing(10);
    }

    void nextOnSlideTenPassesThroughEleven() {
        previous();
        QCOMPARE(slideNumbersWrittenBy(next), (QStringList{"11", "1"}));
        expectShowing(1);
    }

    void previousOnSlideOnePassesThroughZero() {
        next();
        QCOMPARE(slideNumbersWrittenBy(previous), (QStringList{"0", "10"}));
        expectShowing(10);
    }

    void stepsThroughEverySlide() {
        for (int number = 1; number <= 10; ++number) {
            next();
            expectShowing(number);
        }
        for (int number = 9; number >= 1; --number) {
            previous();
            expectShowing(number);
        }
    }

    void tenNextsComeBackWithEveryPictureEnlarged() {
        click(slide(3).picture);
        expectShowing(3);
        for (int press = 0; press < 10; ++press) {
            next();
        }
        expectShowing(3);
        for (int number = 1; number <= 10; ++number) {
            QCOMPARE(slide(number).picture->geometry(), kViewingBox);
        }
    }

    void aThumbnailChoosesItsSlide() {
        QCOMPARE(slideNumbersWrittenBy([] { click(slide(7).picture); }), QStringList{"7"});
        expectShowing(7);
        next();
        expectShowing(8);
    }

    void aClickInTheViewingBoxChangesNothing() {
        next();
        next();
        const QString heading = ui().TntLabel1->text();
        QCOMPARE(slideNumbersWrittenBy([] { clickInWindow(Form3, QPoint(300, 200)); }),
                 QStringList{});
        expectShowing(2);
        QCOMPARE(ui().TntLabel1->text(), heading);
    }

    void thumbnailsCannotBeReachedOnceASlideWasShown() {
        next();
        for (int number = 2; number <= 10; ++number) {
            clickInWindow(Form3, slide(number).thumbnail + QPoint(20, 20));
            expectShowing(1);
        }
    }

    void closingKeepsTheSlideForTheNextOpening() {
        click(slide(4).picture);
        Form3->move(100, 80);
        Form3->resize(640, 420);
        Form3->close();
        QVERIFY(!Form3->isVisible());
        openResume();
        expectShowing(4);
        QCOMPARE(Form3->pos(), QPoint(100, 80));
        QCOMPARE(Form3->size(), QSize(640, 420));
        QCOMPARE(ui().Image2->geometry(), Form3->rect());
        next();
        expectShowing(5);
    }

    void theHeadingKeepsItsOwnFonts() {
        click(slide(9).picture);
        QCOMPARE(ui().TntLabel3->text(), QStringLiteral("VT_RTi_UT_MT"));
        QCOMPARE(ui().TntLabel1->font().pixelSize(), 16);
        QVERIFY(ui().TntLabel1->font().bold());
        QCOMPARE(ui().TntLabel1->font().family(), QStringLiteral("Titr"));
        QCOMPARE(ui().TntLabel3->font().pixelSize(), 11);
        QCOMPARE(ui().TntLabel1->x(), 460);
        QCOMPARE(ui().TntLabel3->x(), 463);
        QCOMPARE(slide(9).title->font().pixelSize(), 11);
    }

    void slideTwoReadsRightToLeft() {
        QCOMPARE(ui().TntLabel12->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(ui().TntLabel13->layoutDirection(), Qt::RightToLeft);
        for (int number : {1, 3, 4, 5, 6, 7, 8, 9, 10}) {
            QCOMPARE(slide(number).title->layoutDirection(), Qt::LeftToRight);
        }
    }

    void persianTitlesCharacterForCharacter() {
        // Arabic yeh everywhere but the last letter of slide 10; trailing and double spaces kept.
        const QString yeh(QChar(0x064A));
        const QString farsiYeh(QChar(0x06CC));
        QCOMPARE(slide(3).title->text(), QString::fromUtf8("طراحي باکت الواتور "));
        QCOMPARE(slide(8).title->text(), QString::fromUtf8("تدريس  روانکاري "));
        QVERIFY(slide(10).title->text().endsWith(farsiYeh));
        QCOMPARE(slide(10).title->text().count(farsiYeh), 1);
        for (int number = 1; number <= 9; ++number) {
            QVERIFY2(!slide(number).title->text().contains(farsiYeh),
                     qPrintable(QString::number(number)));
            QVERIFY(slide(number).title->text().contains(yeh) || number == 9);
        }
        for (int number : {3, 4, 5, 8}) {
            QVERIFY(slide(number).title->text().endsWith(u' '));
        }
    }

    void keyboardPressesTheFocusedButton() {
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
        pressKey(Qt::Key_Space);
        expectShowing(1);
        pressKey(Qt::Key_Return);
        expectShowing(2);
        pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn2);
        pressKey(Qt::Key_Enter);
        expectShowing(1);
        pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().BitBtn1);
        pressKey(Qt::Key_Escape);
        QVERIFY(Form3->isVisible());
    }

    void writingTheSameTextRaisesNoChange() {
        // The navigation rests on this behaviour of the text field.
        QSignalSpy changes(ui().Edit1, &QLineEdit::textChanged);
        ui().Edit1->setText(QStringLiteral("0"));
        QCOMPARE(changes.count(), 0);
        // A different text raises the change once, and the slide is shown before the write
        // returns.
        ui().Edit1->setText(QStringLiteral("6"));
        QCOMPARE(changes.count(), 1);
        expectShowing(6);
    }

    void theBackgroundFillsTheWindowAtAnySize() {
        Form3->resize(800, 500);
        QCOMPARE(ui().Image2->geometry(), QRect(0, 0, 800, 500));
        Form3->resize(300, 200);
        QCOMPARE(ui().Image2->geometry(), QRect(0, 0, 300, 200));
        QCOMPARE(ui().Image2->image().size(), QSize(684, 459));
    }

private:
    static void openResume() {
        Form3->setWindowModality(Qt::ApplicationModal);
        Form3->show();
        Form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form3, kWindowSystemWait));
    }

    std::unique_ptr<ProgramWindows> windows;
};

QTEST_MAIN(ResumeTest)
#include "ResumeTest.moc"
