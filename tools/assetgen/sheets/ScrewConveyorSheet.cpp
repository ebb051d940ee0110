// Slide 2: general arrangement of a screw conveyor with its drive, sections and details.
#include "DataTable.h"
#include "NotesBox.h"
#include "PartsList.h"
#include "ScrewConveyor.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage screwConveyorSheet() {
    SheetCanvas canvas({555, 392});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 8, 6);
    screw::drawElevation(paper);
    screw::drawPlan(paper);
    screw::drawEndView(paper);
    screw::drawDriveEndView(paper);
    screw::drawTroughSection(paper);
    screw::drawHangerDetail(paper);
    screw::drawFlightDevelopment(paper);

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(
        paper, titleArea,
        {QStringLiteral("FLOUR MILL - BRAN HANDLING"), QStringLiteral("SCREW CONVEYOR SC-03"),
         QStringLiteral("Ø600 x 6000 - GENERAL ARRANGEMENT"), QStringLiteral("VD-SC-103"),
         QStringLiteral("1:25"), QStringLiteral("02.11.2004"), QStringLiteral("M. SAEEDI")});
    const double partsTop = drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("U-TROUGH 600 L=6000 t=6"), 1, QStringLiteral("ST37"),
          QStringLiteral("640")},
         {QStringLiteral("SCREW FLIGHT Ø600 P600 t=8"), 2, QStringLiteral("ST37"),
          QStringLiteral("410")},
         {QStringLiteral("PIPE Ø168.3x7.1"), 2, QStringLiteral("ST52"), QStringLiteral("170")},
         {QStringLiteral("HANGER BEARING"), 1, QStringLiteral("GG25/BRONZE"), QStringLiteral("18")},
         {QStringLiteral("END BEARING UCF 216"), 2, QStringLiteral("-"), QString()},
         {QStringLiteral("COUPLING SHAFT Ø80"), 1, QStringLiteral("CK45"), QStringLiteral("24")},
         {QStringLiteral("DRIVE SHAFT Ø90"), 1, QStringLiteral("CK45"), QStringLiteral("28")},
         {QStringLiteral("GEARED MOTOR 15 kW 48 rpm"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("TROUGH COVER t=3"), 4, QStringLiteral("ST37"), QStringLiteral("92")},
         {QStringLiteral("SUPPORT LEG"), 2, QStringLiteral("ST37"), QStringLiteral("46")},
         {QStringLiteral("INLET SPOUT 500x500"), 1, QStringLiteral("ST37"), QStringLiteral("38")},
         {QStringLiteral("OUTLET SPOUT 500x500"), 1, QStringLiteral("ST37"),
          QStringLiteral("35")}});
    drawDataTable(paper, {inner.right() - 112, partsTop - 44}, 50, 62,
                  QStringLiteral("DESIGN DATA"),
                  {{QStringLiteral("CAPACITY"), QStringLiteral("60 m³/h")},
                   {QStringLiteral("SPEED"), QStringLiteral("48 rpm")},
                   {QStringLiteral("LOADING"), QStringLiteral("45 %")},
                   {QStringLiteral("POWER"), QStringLiteral("15 kW")}});
    drawNotes(
        paper, QRectF(QPointF(inner.left() + 3, 332), QPointF(columnLeft - 4, inner.bottom() - 3)),
        {QStringLiteral("ALL DIMENSIONS IN mm. FLIGHTS CONTINUOUSLY WELDED TO PIPE BOTH SIDES."),
         QStringLiteral("TROUGH FLANGE JOINTS AND COVERS GASKETED, DUST TIGHT."),
         QStringLiteral("HANGER BUSH GREASE LUBRICATED, NIPPLE ON TOP OF HANGER."),
         QStringLiteral("PAINT: EPOXY PRIMER AND TWO FINISH COATS RAL 7035.")});
    return canvas.finish();
}

} // namespace assetgen::sheets
