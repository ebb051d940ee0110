// A picture component: draws its picture at its own size from the top-left corner, clipped to
// the box, or stretched to the box; a transparent one drops every pixel of the picture's
// bottom-left pixel's colour. Clicks are reported as clicked().
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace widgets {

class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // A resource path such as :/Form1/Image9.bmp; decoded when first drawn.
    QString picture() const { return picture_; }
    void setPicture(const QString& picture);

    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // The picture as drawn, decoded on first use (a null image when it cannot be decoded).
    const QImage& image();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void forgetImage();

    QString picture_;
    bool stretch_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
    bool decoded_ = false;
    QImage image_;
};

} // namespace widgets
