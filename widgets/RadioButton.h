// A radio button of a group whose members are all its siblings.
#pragma once

#include <QRadioButton>

namespace widgets {

// becameChecked() is the click event: emitted when the button goes from unchecked to checked,
// by the user or by the program. Only the checked button of the group is a tab stop (the
// others still take the focus on a press). The arrow keys move the focus to the previous or
// next button of the group in tab order, wrapping round, and check it. A click anywhere in
// the button's box checks it, as for a radio button without a caption it should, not only
// one on its indicator.
class RadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit RadioButton(QWidget* parent = nullptr);

signals:
    void becameChecked();

protected:
    bool hitButton(const QPoint& position) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    RadioButton* neighbour(bool forward) const;
    void updateTabStop();
};

} // namespace widgets
