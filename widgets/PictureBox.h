// A picture component: draws its picture at its own size from the top-left corner, clipped to
// the box, or stretched to the box, smoothly; a transparent one drops every pixel of the
// picture's bottom-left pixel's colour. Clicks are reported as clicked(). Nothing is decoded
// before the box is first drawn, and it is drawn at the resolution of the screen it is on.
#pragma once

#include "pictures/PictureSource.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace widgets {

class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool fillsParent READ fillsParent WRITE setFillsParent)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // A resource path such as :/Form1/Image9.bmp; decoded when first drawn.
    QString picture() const { return picture_; }
    void setPicture(const QString& picture);

    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // The box covers its parent's whole area at any size (the picture itself keeps its mode).
    bool fillsParent() const { return fillsParent_; }
    void setFillsParent(bool fills);

    // The picture decoded for the box's present size on its present screen, before any
    // smooth scaling to the box (a null image when it cannot be decoded). Decoded afresh: the
    // box itself keeps only what it draws.
    QImage image();

    // Decodes and scales the picture for the box's present size now rather than at its first
    // paint.
    void prepare();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void forgetImage();
    // The picture as it goes on the screen: decoded and scaled smoothly once for each size of
    // the box and each screen resolution.
    const QPixmap& drawn();

    QString picture_;
    bool stretch_ = false;
    bool transparent_ = false;
    bool fillsParent_ = false;
    bool pressed_ = false;
    pictures::PictureSource source_;
    QPixmap drawn_;
    bool drawnValid_ = false;
    qreal drawnRatio_ = 0;
    QSize drawnBoxSize_;
};

} // namespace widgets
