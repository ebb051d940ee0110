// A label the size of its text, which keeps its left edge: its size hint is the text's advance
// and the face's Windows line height (see lineMetricsOf), so that no letter is cut off below
// the line, and the form's TextFitLayout gives it that size whenever the text or the font
// changes, through whichever pointer they are set. Transparent unless autoFillBackground is
// set; a right-to-left label reads its text right to left. A label that shows a bare value can
// carry an accessibleCaption: a screen reader then reads "<caption>: <text>", while the label
// still draws its text alone.
#pragma once

#include <QLabel>

namespace widgets {

class AutoSizeLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString accessibleCaption READ accessibleCaption WRITE setAccessibleCaption)

public:
    explicit AutoSizeLabel(QWidget* parent = nullptr);

    QString accessibleCaption() const { return accessibleCaption_; }
    void setAccessibleCaption(const QString& caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString accessibleCaption_;
    // The size hint, and the text and font it was measured for.
    mutable QSize measured_;
    mutable QString measuredText_;
    mutable QFont measuredFont_;
};

} // namespace widgets
