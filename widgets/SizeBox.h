// An editable drop-down list that tells the user's changes from the program's.
#pragma once

#include <QComboBox>

namespace widgets {

// userChanged() is emitted for the user's changes only: a pick from the list, Up, Down,
// Page Up, Page Down or the wheel choosing another entry, and every edit of the text. Typing
// completes the text to the first entry beginning (ignoring case) with what was typed and
// selects it, announcing the change only when that selected another entry; a character that
// no entry continues is inserted as typed and leaves no entry selected, as does Backspace.
// Refilling the list or selecting an entry from the program announces nothing.
class SizeBox : public QComboBox {
    Q_OBJECT

public:
    explicit SizeBox(QWidget* parent = nullptr);

    // Replaces the entries and selects the first one.
    void refill(const QStringList& entries);

signals:
    void userChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void choose(int index);
    void moveSelection(int rows);
    bool completeTyping(const QString& typed);
    void deselectKeepingText();
    void onTextEdited();

    bool completing_ = false;
};

} // namespace widgets
