// A label that sizes itself to its text and keeps its left edge, whenever its text or font
// changes. Transparent unless autoFillBackground is set.
#pragma once

#include <QLabel>

namespace widgets {

class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    explicit AutoSizeLabel(QWidget* parent = nullptr);

    // Hides QLabel::setText, which is not virtual: every caller goes through the label's own
    // class, the layout code included.
    void setText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToText();
};

} // namespace widgets
