// Slide 5: storage bin with a conical hopper in a multi-level loading structure.
#include "NotesBox.h"
#include "PartsList.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "StorageBin.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage storageBinSheet() {
    SheetCanvas canvas({619, 438});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 8, 6);
    bin::drawElevation(paper);
    bin::drawRoofBracing(paper);
    bin::drawPlanSection(paper);
    bin::drawConeDevelopment(paper);
    bin::drawShellDevelopment(paper);
    bin::drawRingGirderDetail(paper);

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(paper, titleArea,
                   {QStringLiteral("CEMENT PLANT - BULK LOADING STATION"),
                    QStringLiteral("STORAGE BIN SB-05 370 m³"),
                    QStringLiteral("GENERAL ARRANGEMENT AND DEVELOPMENTS"),
                    QStringLiteral("VD-SB-105"), QStringLiteral("AS SHOWN"),
                    QStringLiteral("30.09.2005"), QStringLiteral("M. SAEEDI")});
    drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("SHELL COURSE Ø7000 H=2000"), 4, QStringLiteral("ST37"),
          QStringLiteral("3600")},
         {QStringLiteral("CONICAL HOPPER t=12"), 1, QStringLiteral("ST52"), QStringLiteral("9800")},
         {QStringLiteral("ROOF PLATE t=5"), 1, QStringLiteral("ST37"), QStringLiteral("1900")},
         {QStringLiteral("ROOF RAFTER UPN 140"), 16, QStringLiteral("ST37"), QStringLiteral("65")},
         {QStringLiteral("RING GIRDER HEB 300"), 1, QStringLiteral("ST37"), QStringLiteral("2900")},
         {QStringLiteral("COLUMN HEB 400 L=19100"), 4, QStringLiteral("ST37"),
          QStringLiteral("2960")},
         {QStringLiteral("FLOOR BEAM IPE 400"), 12, QStringLiteral("ST37"), QStringLiteral("600")},
         {QStringLiteral("BRACING L100x10"), 24, QStringLiteral("ST37"), QStringLiteral("85")},
         {QStringLiteral("SLIDE GATE 600x600"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("TELESCOPIC LOADING SPOUT"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("STAIR WITH LANDINGS"), 1, QStringLiteral("ST37"),
          QStringLiteral("3400")}});
    drawNotes(paper,
              QRectF(QPointF(inner.left() + 272, 354), QPointF(columnLeft - 4, inner.bottom() - 3)),
              {QStringLiteral("DIMENSIONS IN mm, LEVELS IN m."),
               QStringLiteral("CAPACITY 370 m³, HOPPER 55°."),
               QStringLiteral("SHELL SEAMS FULL PENETRATION."),
               QStringLiteral("HOPPER LINED, EPOXY 300 µm."),
               QStringLiteral("HD BOLTS 4 x M36 PER COLUMN.")});
    return canvas.finish();
}

} // namespace assetgen::sheets
