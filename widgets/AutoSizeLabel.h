// A label that sizes itself to its text and keeps its left edge, whenever its text or font
// changes. Transparent unless autoFillBackground is set; a right-to-left label reads its text
// right to left. Its height and baseline follow the face's Windows line metrics (see
// lineMetricsOf), so that no letter is cut off below the line. A label that shows a bare value
// can carry an accessibleCaption: a screen reader then reads "<caption>: <text>", kept up to
// date as the text changes, while the label still draws its text alone.
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

    // Hides QLabel::setText, which is not virtual: every caller goes through the label's own
    // class, the layout code included.
    void setText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Fitting needs the font loaded, which is costly; until the label is about to be shown for
    // the first time its layout size stands, so start-up loads only the faces it shows.
    void refit();
    void fitToText();
    void updateAccessibleName();

    QString accessibleCaption_;
};

} // namespace widgets
