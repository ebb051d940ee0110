#include "widgets/TextFitLayout.h"

#include "widgets/AutoSizeLabel.h"

#include <QWidget>

namespace widgets {

TextFitLayout::TextFitLayout(QWidget& form) : QLayout(&form) {
    // The form keeps the size its layout file gives it.
    setSizeConstraint(QLayout::SetNoConstraint);
    for (AutoSizeLabel* label : form.findChildren<AutoSizeLabel*>(Qt::FindDirectChildrenOnly)) {
        addWidget(label);
    }
}

TextFitLayout::~TextFitLayout() {
    qDeleteAll(items_);
}

void TextFitLayout::addItem(QLayoutItem* item) {
    items_.append(item);
    invalidate();
}

int TextFitLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* TextFitLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* TextFitLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize TextFitLayout::sizeHint() const {
    return parentWidget()->size();
}

void TextFitLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    fitLabels();
}

void TextFitLayout::invalidate() {
    QLayout::invalidate();
    // Qt lays the form out again when the event loop next runs; a shown form's labels refit
    // at once, so that whoever set a text, and a screen reader told of it, finds the label its
    // new size.
    if (parentWidget()->isVisible()) {
        fitLabels();
    }
}

void TextFitLayout::fitLabels() {
    for (QLayoutItem* item : std::as_const(items_)) {
        if (const QWidget* label = item->widget()) {
            // The item keeps the label's size hint until the label says it changed.
            item->setGeometry(QRect(label->pos(), item->sizeHint()));
        }
    }
}

} // namespace widgets
