// A push button showing a glyph and its caption side by side or one above the other.
#pragma once

#include "pictures/PictureSource.h"

#include <QImage>
#include <QPushButton>

namespace widgets {

// The glyph's key colour (its bottom-left pixel's) is transparent, and it is drawn at the
// resolution of the button's screen. Glyph and caption stand `spacing` pixels apart and are
// centred on the button as a pair. Enter presses the focused button, as Space does.
class BitmapButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(GlyphPlacement placement READ placement WRITE setPlacement)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)

public:
    enum GlyphPlacement { GlyphLeft, GlyphBottom };
    Q_ENUM(GlyphPlacement)

    explicit BitmapButton(QWidget* parent = nullptr);

    QString glyph() const { return glyph_; }
    void setGlyph(const QString& path);

    GlyphPlacement placement() const { return placement_; }
    void setPlacement(GlyphPlacement placement);

    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

    // Where the glyph and the caption are drawn, in button coordinates.
    QRect glyphRect() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const QImage& glyphImage() const;
    QSize glyphSize() const;
    QSize captionSize() const;

    QString glyph_;
    GlyphPlacement placement_ = GlyphLeft;
    int spacing_ = 4;
    mutable pictures::PictureSource glyphSource_;
    mutable QImage glyphImage_;
    mutable qreal glyphRatio_ = 0;
};

} // namespace widgets
