// What must hold after every step of the storm, whatever the input was.
#pragma once

#include "SlideCatalogue.h"
#include "WindowComponents.h"
#include "calc/Unit1.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QMessageBox;

class StormChecks : public QObject {
public:
    // Follows the calculator's calculations and the commits of its two boxes from its
    // start-up state on, and the gallery's slides.
    void watch();

    // Empty when both windows are as they should be; otherwise what is wrong.
    QString broken() const;
    // The same for an error box that is up.
    QString brokenBox(const QMessageBox& box) const;

    int calculations() const { return calculations_; }

private:
    QString calculatorBroken() const;
    QString resultsBroken() const;
    QString galleryBroken() const;
    void calculated();
    const SlideParts& slide(int number) const {
        return slides_[static_cast<std::size_t>(number - 1)];
    }

    // The watched windows' components.
    std::optional<CalculatorComponents> calculator_;
    std::optional<GalleryComponents> gallery_;
    std::array<SlideParts, kSlideCount> slides_{};

    // The first thing found wrong while a calculation or a commit ran.
    QString found_;
    // What the boxes last committed, and the results of the last calculation.
    calc::Extended length_ = 0;
    std::int32_t quantity_ = 1;
    QString kilograms_;
    QString pounds_;
    int calculations_ = 0;
};
