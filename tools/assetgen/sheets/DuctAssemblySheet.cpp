// Slide 6: assembly of a flue duct run with mitred bends, expansion joints and a damper.
#include "DuctAssembly.h"
#include "NotesBox.h"
#include "PartsList.h"
#include "SheetCanvas.h"
#include "SheetFrame.h"
#include "Sheets.h"
#include "TitleBlock.h"

namespace assetgen::sheets {

QImage ductAssemblySheet() {
    SheetCanvas canvas({493, 346});
    const Drafter& paper = canvas.paper();
    const QRectF inner = drawSheetFrame(paper, canvas.size(), 6, 4);
    duct::drawElevation(paper);
    duct::drawExpansionJointDetail(paper);
    duct::drawShadedViews(paper);

    const double columnLeft = inner.right() - 200;
    const QRectF titleArea(QPointF(columnLeft, inner.bottom() - kTitleBlockHeight),
                           inner.bottomRight());
    drawTitleBlock(paper, titleArea,
                   {QStringLiteral("CEMENT PLANT - KILN DEDUSTING"),
                    QStringLiteral("FLUE DUCT FD-06 Ø1200"), QStringLiteral("DUCT ASSEMBLY"),
                    QStringLiteral("VD-DT-106"), QStringLiteral("1:50"),
                    QStringLiteral("17.01.2006"), QStringLiteral("M. SAEEDI")});
    drawPartsList(
        paper, columnLeft, inner.right(), titleArea.top(),
        {{QStringLiteral("STRAIGHT DUCT Ø1200 t=5"), 6, QStringLiteral("ST37"),
          QStringLiteral("450")},
         {QStringLiteral("BEND B1 90° R1800"), 1, QStringLiteral("ST37"), QStringLiteral("520")},
         {QStringLiteral("BEND B2 90° R1800"), 1, QStringLiteral("ST37"), QStringLiteral("520")},
         {QStringLiteral("FABRIC EXPANSION JOINT"), 2, QStringLiteral("PTFE/GLASS"),
          QStringLiteral("85")},
         {QStringLiteral("BUTTERFLY DAMPER + ACTUATOR"), 1, QStringLiteral("-"), QString()},
         {QStringLiteral("FLANGE PAIR PN2.5"), 8, QStringLiteral("ST37"), QStringLiteral("60")},
         {QStringLiteral("SUPPORT / HANGER"), 4, QStringLiteral("ST37"), QStringLiteral("75")},
         {QStringLiteral("INSPECTION DOOR 600x150"), 1, QStringLiteral("ST37"),
          QStringLiteral("9")}});
    drawNotes(paper, QRectF(QPointF(inner.left() + 4, 142), QPointF(150, 204)),
              {QStringLiteral("DIMENSIONS IN mm."), QStringLiteral("GAS 180 °C, -35 mbar."),
               QStringLiteral("GORE SEAMS FULL PENETRATION."),
               QStringLiteral("INSULATION 100 mm BY OTHERS."),
               QStringLiteral("FREE EJ TIE RODS AFTER ERECTION.")});
    return canvas.finish();
}

} // namespace assetgen::sheets
