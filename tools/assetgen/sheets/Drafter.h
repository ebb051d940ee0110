// Drawing primitives of a plotted drawing sheet. A Drafter maps model coordinates to sheet pixels
// and strokes them with the line types of a drawing; straight lines are snapped to the pixel grid
// so that thin line work stays crisp instead of smearing over two pixel rows.
#pragma once

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QTransform>

namespace assetgen::sheets {

// The line types of a drawing: outlines, thin lines (dimensions, hatching), hidden edges,
// centre lines and phantom lines (moving parts, adjacent equipment).
enum class Stroke { Heavy, Visible, Thin, Hidden, Centre, Phantom };

struct TextStyle {
    double px = 6;
    bool bold = false;
    const char* family = "Liberation Sans";
};

class Drafter {
public:
    // Sheet coordinates: pixels, y down.
    explicit Drafter(QPainter& painter) : painter_(&painter) {}

    // A view drawn in model units with y up: the model origin lands on the sheet pixel `origin`,
    // and one model unit is `pxPerUnit` pixels.
    Drafter view(QPointF origin, double pxPerUnit) const;
    // The same view turned counter-clockwise about the model origin, for inclined parts.
    Drafter rotated(double angleDeg) const;
    // The same view with its model origin moved to `modelPoint`.
    Drafter shifted(QPointF modelPoint) const;
    // Sheet coordinates, for dimensions and labels measured in pixels.
    Drafter sheet() const { return Drafter(*painter_); }

    QPointF map(QPointF p) const { return toSheet_.map(p); }
    QPainterPath map(const QPainterPath& path) const { return toSheet_.map(path); }
    double px(double modelLength) const;
    QPainter& painter() const { return *painter_; }

    void line(QPointF a, QPointF b, Stroke stroke = Stroke::Visible) const;
    void polyline(const QList<QPointF>& points, Stroke stroke = Stroke::Visible) const;
    void polygon(const QList<QPointF>& points, Stroke stroke = Stroke::Visible) const;
    void box(QPointF corner, QPointF opposite, Stroke stroke = Stroke::Visible) const;
    void circle(QPointF centre, double radius, Stroke stroke = Stroke::Visible) const;
    // Counter-clockwise in model terms from `fromDeg` over `spanDeg`.
    void arc(QPointF centre, double radius, double fromDeg, double spanDeg,
             Stroke stroke = Stroke::Visible) const;
    // Free curves, stroked as they are (no snapping).
    void curve(const QPainterPath& modelPath, Stroke stroke = Stroke::Visible) const;
    void fill(const QPainterPath& modelPath, const QBrush& brush) const;
    void fillPolygon(const QList<QPointF>& points, const QBrush& brush) const;
    // Paints paper over the area, so that nearer parts hide what lies behind them.
    void blank(const QList<QPointF>& points) const;

    // Text anchored at `at`: the horizontal flag says which side of the text sits on the anchor,
    // the vertical one whether the anchor is the baseline (bottom), the cap middle or the cap top.
    // `angleDeg` turns the text counter-clockwise about the anchor.
    void text(QPointF at, const QString& text, TextStyle style = {},
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignBottom, double angleDeg = 0) const;
    double textWidth(const QString& text, TextStyle style = {}) const;

private:
    QPen pen(Stroke stroke) const;
    QPointF snapped(QPointF sheetPoint, Stroke stroke) const;
    void strokeSheetPath(const QPainterPath& path, Stroke stroke) const;

    QPainter* painter_;
    QTransform toSheet_;
};

QFont sheetFont(TextStyle style);

// Continues a model-space path (y up) along a circular arc, counter-clockwise in model terms
// from `fromDeg` over `spanDeg`.
void arcTo(QPainterPath& path, QPointF centre, double radius, double fromDeg, double spanDeg);

} // namespace assetgen::sheets
