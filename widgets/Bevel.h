// A raised line along the top edge of its box, separating what lies above from below.
#pragma once

#include <QWidget>

namespace widgets {

// The top pixel row in the button-highlight colour, the row below in the button-shadow
// colour, across the full width; the rest of the box is left unpainted.
class Bevel : public QWidget {
    Q_OBJECT

public:
    explicit Bevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace widgets
