// Slide 3: general arrangement of a tall chain bucket elevator with its head, boot and bucket
// details.
#include "BucketElevator.h"
#include "DataTable.h"
#include "NotesBox.h"
#include "PartsList.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage bucketElevatorSheet() {
    SheetCanvas canvas({552, 389});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 8, 6);
    elevator::drawFrontElevation(paper);
    elevator::drawSideElevation(paper);
    elevator::drawHeadDetail(paper);
    elevator::drawBootDetail(paper);
    elevator::drawBucketDetail(paper);
    elevator::drawCasingSection(paper);

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(paper, titleArea,
                   {QStringLiteral("CEMENT PLANT - RAW MEAL SILO FEED"),
                    QStringLiteral("BUCKET ELEVATOR BE-02"), QStringLiteral("GENERAL ARRANGEMENT"),
                    QStringLiteral("VD-BE-102"), QStringLiteral("AS SHOWN"),
                    QStringLiteral("21.02.2006"), QStringLiteral("M. SAEEDI")});
    const double partsTop = drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("HEAD SHAFT WITH SPROCKETS"), 1, QStringLiteral("CK45"),
          QStringLiteral("620")},
         {QStringLiteral("BOOT SHAFT WITH TAKE-UP"), 1, QStringLiteral("CK45"),
          QStringLiteral("540")},
         {QStringLiteral("BUSHED CHAIN P150"), 2, QStringLiteral("ALLOY STEEL"),
          QStringLiteral("1850")},
         {QStringLiteral("BUCKET 400x240x300 t=6"), 62, QStringLiteral("ST52"),
          QStringLiteral("14")},
         {QStringLiteral("CASING SECTION L=2400"), 5, QStringLiteral("ST37"),
          QStringLiteral("380")},
         {QStringLiteral("DRIVE 30 kW WITH BACKSTOP"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("DISCHARGE CHUTE"), 1, QStringLiteral("ST37"), QStringLiteral("260")},
         {QStringLiteral("INLET CHUTE"), 1, QStringLiteral("ST37"), QStringLiteral("140")},
         {QStringLiteral("BOOT SECTION"), 1, QStringLiteral("ST37"), QStringLiteral("1100")},
         {QStringLiteral("HEAD PLATFORM + HANDRAIL"), 1, QStringLiteral("ST37"),
          QStringLiteral("350")},
         {QStringLiteral("LADDER WITH SAFETY CAGE"), 1, QStringLiteral("ST37"),
          QStringLiteral("420")}});
    drawDataTable(paper, {inner.right() - 92, partsTop - 52}, 44, 48, QStringLiteral("DESIGN DATA"),
                  {{QStringLiteral("CAPACITY"), QStringLiteral("150 t/h")},
                   {QStringLiteral("CENTRES"), QStringLiteral("14100")},
                   {QStringLiteral("SPEED"), QStringLiteral("1.3 m/s")},
                   {QStringLiteral("POWER"), QStringLiteral("30 kW")}});
    drawNotes(paper, QRectF(QPointF(226, 294), QPointF(columnLeft - 4, inner.bottom() - 3)),
              {QStringLiteral("DIMENSIONS IN mm, LEVELS IN m."),
               QStringLiteral("CASING t=5, FLANGES GASKETED."),
               QStringLiteral("BUCKETS BOLTED M12 - 8.8."),
               QStringLiteral("SET BACKSTOP BEFORE START-UP."),
               QStringLiteral("FOUNDATION: DRG. VD-BE-106.")});
    return canvas.finish();
}

} // namespace assetgen::sheets
