// Slide 4: general arrangement of a long enclosed drag chain conveyor on support frames.
#include "DragChain.h"
#include "NotesBox.h"
#include "PartsList.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage dragChainSheet() {
    SheetCanvas canvas({551, 387});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 8, 6);
    dragchain::drawElevation(paper);
    dragchain::drawPlan(paper);
    dragchain::drawDriveEndView(paper);
    dragchain::drawCasingSection(paper);
    dragchain::drawChainDetail(paper);

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(paper, titleArea,
                   {QStringLiteral("STEEL WORKS - LIME AND DUST HANDLING"),
                    QStringLiteral("DRAG CHAIN CONVEYOR DC-04"),
                    QStringLiteral("GENERAL ARRANGEMENT"), QStringLiteral("VD-DC-104"),
                    QStringLiteral("AS SHOWN"), QStringLiteral("09.07.2005"),
                    QStringLiteral("M. SAEEDI")});
    drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("HEAD SHAFT + SPROCKETS Z=8"), 1, QStringLiteral("42CrMo4"),
          QStringLiteral("480")},
         {QStringLiteral("TAIL SHAFT WITH TAKE-UP"), 1, QStringLiteral("CK45"),
          QStringLiteral("390")},
         {QStringLiteral("FORGED CHAIN P142 + FLIGHTS"), 2, QStringLiteral("ALLOY STEEL"),
          QStringLiteral("4200")},
         {QStringLiteral("CASING 800x1000 L=4500"), 8, QStringLiteral("ST37"),
          QStringLiteral("760")},
         {QStringLiteral("WEAR LINER t=10"), 16, QStringLiteral("HARDOX 400"),
          QStringLiteral("180")},
         {QStringLiteral("DRIVE 22 kW SHAFT MOUNTED"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("INLET 600x600"), 3, QStringLiteral("ST37"), QStringLiteral("45")},
         {QStringLiteral("OUTLET 800x800"), 1, QStringLiteral("ST37"), QStringLiteral("70")},
         {QStringLiteral("SUPPORT FRAME"), 8, QStringLiteral("ST37"), QStringLiteral("160")},
         {QStringLiteral("INSPECTION DOOR"), 4, QStringLiteral("ST37"), QStringLiteral("12")},
         {QStringLiteral("TORQUE ARM"), 1, QStringLiteral("ST37"), QStringLiteral("35")}});
    drawNotes(
        paper, QRectF(QPointF(222, 300), QPointF(columnLeft - 4, inner.bottom() - 3)),
        {QStringLiteral("DIMENSIONS IN mm."), QStringLiteral("CAPACITY 60 t/h, CHAIN 0.25 m/s."),
         QStringLiteral("CASING JOINTS DUST TIGHT."), QStringLiteral("TAKE-UP TRAVEL 300 mm."),
         QStringLiteral("LINERS BOLTED, CSK HEADS.")});
    return canvas.finish();
}

} // namespace assetgen::sheets
