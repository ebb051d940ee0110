// The layout of a form whose components stand where its layout file puts them.
#pragma once

#include <QLayout>
#include <QList>

namespace widgets {

// Gives each of the form's auto-sizing labels (its direct children) the size of its text at
// the top-left corner it has, and moves or sizes nothing else, the form included. Qt asks a
// widget's layout to redo itself whenever the size hint of one of its shown widgets may have
// changed, so a label refits whenever its text or font is set, however that is done; a shown
// form's labels refit at once, a hidden form's when it is shown or activate() is called.
class TextFitLayout : public QLayout {
    Q_OBJECT

public:
    explicit TextFitLayout(QWidget& form);
    ~TextFitLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    void fitLabels();

    QList<QLayoutItem*> items_;
};

} // namespace widgets
