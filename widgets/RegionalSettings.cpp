#include "widgets/RegionalSettings.h"

#include "widgets/SystemRegionalSettings.h"

#include <QApplication>

namespace widgets {

RegionalSettings* RegionalSettings::instance_ = nullptr;

RegionalSettings::RegionalSettings(QApplication& application)
    : QObject(&application), separator_(readSystemDecimalSeparator()) {
    watchSystemRegionalSettings(*this, [this] { separator_ = readSystemDecimalSeparator(); });
}

void RegionalSettings::install(QApplication& application) {
    delete instance_;
    instance_ = new RegionalSettings(application);
    connect(instance_, &QObject::destroyed, [] { instance_ = nullptr; });
}

char32_t RegionalSettings::decimalSeparator() {
    return instance_ != nullptr ? instance_->separator_ : readSystemDecimalSeparator();
}

} // namespace widgets
