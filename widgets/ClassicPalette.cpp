#include "widgets/ClassicPalette.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace widgets {
namespace {

// Every role set explicitly: a palette role left unset would be taken from the desktop's.
QPalette fullyResolved(const QPalette& source) {
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(group, colourRole, source.brush(group, colourRole));
        }
    }
    return palette;
}

// The widget classes a platform theme may give palettes of their own.
constexpr const char* kThemedClasses[] = {"QAbstractButton",  "QPushButton",  "QToolButton",
                                          "QCheckBox",        "QRadioButton", "QComboBox",
                                          "QLineEdit",        "QTextEdit",    "QLabel",
                                          "QMessageBoxLabel", "QMenu",        "QMenuBar",
                                          "QTabBar",          "QHeaderView",  "QAbstractItemView",
                                          "QAbstractSpinBox", "QTipLabel",    "QGroupBox",
                                          "QScrollBar",       "QProgressBar"};

} // namespace

void useClassicPalette(QApplication& application) {
    const QPalette classic = fullyResolved(application.style()->standardPalette());
    QApplication::setPalette(classic);
    for (const char* className : kThemedClasses) {
        QApplication::setPalette(classic, className);
    }
}

} // namespace widgets
