// Slide 1: general arrangement of an inclined belt conveyor on a truss gallery, carried by
// trestles and discharging from a head tower.
#include "BeltConveyor.h"
#include "DataTable.h"
#include "NotesBox.h"
#include "PartsList.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage beltConveyorSheet() {
    SheetCanvas canvas({609, 429});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 8, 6);
    belt::drawElevation(paper);
    belt::drawGallerySection(paper);
    belt::drawTrestleView(paper);
    belt::drawTailDetail(paper);
    belt::drawDrivePlan(paper);
    drawDataTable(paper, {inner.left() + 8, inner.top() + 8}, 52, 58, QStringLiteral("DESIGN DATA"),
                  {{QStringLiteral("MATERIAL"), QStringLiteral("CLINKER, 1.4 t/m³")},
                   {QStringLiteral("CAPACITY"), QStringLiteral("800 t/h")},
                   {QStringLiteral("BELT"), QStringLiteral("B=1000, 2.0 m/s")},
                   {QStringLiteral("LIFT / SLOPE"), QStringLiteral("15.9 m / 14.5°")},
                   {QStringLiteral("DRIVE"), QStringLiteral("75 kW, 1480 rpm")}});
    drawNotes(paper, QRectF(QPointF(inner.left() + 3, 334), QPointF(150, inner.bottom() - 3)),
              {QStringLiteral("DIMENSIONS IN mm, LEVELS IN m."),
               QStringLiteral("BELT SPLICES VULCANISED ON SITE."),
               QStringLiteral("STEEL ST37, FILLET WELDS 6 mm U.N.O."),
               QStringLiteral("BLAST SA 2.5, PRIMER + 2 FINISH COATS."),
               QStringLiteral("IDLERS @1200 CARRYING, @3000 RETURN."),
               QStringLiteral("FOUNDATIONS: SEE DRG. VD-BC-105.")});

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(paper, titleArea,
                   {QStringLiteral("CEMENT PLANT EXPANSION - CLINKER TRANSPORT"),
                    QStringLiteral("BELT CONVEYOR BC-01"), QStringLiteral("GENERAL ARRANGEMENT"),
                    QStringLiteral("VD-BC-101"), QStringLiteral("AS SHOWN"),
                    QStringLiteral("14.05.2005"), QStringLiteral("M. SAEEDI")});
    drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("HEAD PULLEY Ø800x1400 LAGGED"), 1, QStringLiteral("ST37"),
          QStringLiteral("1850")},
         {QStringLiteral("TAIL PULLEY Ø630x1400"), 1, QStringLiteral("ST37"),
          QStringLiteral("980")},
         {QStringLiteral("CARRYING IDLER SET 35° Ø133"), 52, QStringLiteral("ST37"),
          QStringLiteral("38")},
         {QStringLiteral("RETURN IDLER Ø133x1150"), 21, QStringLiteral("ST37"),
          QStringLiteral("22")},
         {QStringLiteral("BELT EP630/4 B=1000 (10+4)"), 1, QStringLiteral("RUBBER"), QString()},
         {QStringLiteral("DRIVE UNIT 75 kW, i=31.5"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("GALLERY TRUSS L=13000"), 4, QStringLiteral("ST37"),
          QStringLiteral("6400")},
         {QStringLiteral("TRESTLE T1-T3"), 3, QStringLiteral("ST37"), QStringLiteral("2100")},
         {QStringLiteral("HEAD TOWER"), 1, QStringLiteral("ST37"), QStringLiteral("14500")},
         {QStringLiteral("GRAVITY TAKE-UP"), 1, QStringLiteral("ST37"), QStringLiteral("3200")},
         {QStringLiteral("FEED CHUTE WITH LINERS"), 1, QStringLiteral("ST37/HARDOX"),
          QStringLiteral("640")},
         {QStringLiteral("SKIRT BOARD L=3000"), 2, QStringLiteral("ST37/RUBBER"),
          QStringLiteral("120")}});
    return canvas.finish();
}

} // namespace assetgen::sheets
