#include "widgets/AutoSizeLabel.h"

#include "widgets/TextMetrics.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>

namespace widgets {
namespace {

// What a screen reader reads for an auto-sized label: its text, after its caption when it has
// one. Read afresh on every query, so it follows the text however that was set; QLabel
// announces each change of its text as a change of this name.
class AccessibleAutoSizeLabel : public QAccessibleWidget {
public:
    explicit AccessibleAutoSizeLabel(AutoSizeLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override {
        const auto* label = static_cast<const AutoSizeLabel*>(widget());
        if (which != QAccessible::Name || !label->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(which);
        }
        return label->accessibleCaption().isEmpty()
                   ? label->text()
                   : label->accessibleCaption() + QStringLiteral(": ") + label->text();
    }
};

QAccessibleInterface* accessibleAutoSizeLabel(const QString& className, QObject* object) {
    if (className == QLatin1String(AutoSizeLabel::staticMetaObject.className())) {
        return new AccessibleAutoSizeLabel(static_cast<AutoSizeLabel*>(object));
    }
    return nullptr;
}

void installAccessibleAutoSizeLabel() {
    QAccessible::installFactory(accessibleAutoSizeLabel);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installAccessibleAutoSizeLabel)

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // An opaque label is painted in its form's colour; the text keeps the window-text role,
    // which the button-face background would otherwise turn into button text.
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::WindowText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AutoSizeLabel::setAccessibleCaption(const QString& caption) {
    accessibleCaption_ = caption;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

QSize AutoSizeLabel::sizeHint() const {
    // Qt asks for both size hints whenever it lays the form out: a text is measured once in
    // each font (0.3 million instructions fewer to the calculator's first frame, callgrind).
    if (!measured_.isValid() || text() != measuredText_ || font() != measuredFont_) {
        measuredText_ = text();
        measuredFont_ = font();
        measured_ = {QFontMetrics(measuredFont_).horizontalAdvance(measuredText_),
                     lineMetricsOf(measuredFont_).height};
    }
    return measured_;
}

QSize AutoSizeLabel::minimumSizeHint() const {
    return sizeHint();
}

void AutoSizeLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(QPointF(0, lineMetricsOf(font()).ascent), text());
}

} // namespace widgets
