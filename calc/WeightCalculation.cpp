#include "calc/WeightCalculation.h"

namespace calc {
namespace {

constexpr float kMillimetresPerMetre = 1000.0f;
constexpr Extended kKilogramsPerMetrePerPoundPerFoot = 1.488L;
constexpr Extended kPoundsPerKilogram = 2.205L;
constexpr Extended kMillimetresPerInch = 25.4L;

} // namespace

void calculate(const CalculationInput& input, ResultReceiver& receiver) {
    // Evaluated strictly left to right in extended; the pounds are computed afresh rather
    // than from the kilograms so that both carry the same rounding history.
    const Extended kg = input.weightPerFoot * input.pieceLength *
                        static_cast<Extended>(input.quantity) / kMillimetresPerMetre *
                        kKilogramsPerMetrePerPoundPerFoot;
    receiver.kilograms(numtext::floatToFixed(kg, 4, 1) + " kg");

    const Extended lb = input.weightPerFoot * input.pieceLength *
                        static_cast<Extended>(input.quantity) / kMillimetresPerMetre *
                        kKilogramsPerMetrePerPoundPerFoot * kPoundsPerKilogram;
    receiver.pounds(numtext::floatToFixed(lb, 4, 1) + " Lb");

    const Extended inches =
        numtext::textToFloat(input.lengthText, input.decimalSeparator) / kMillimetresPerInch;
    receiver.inches(numtext::floatToFixed(inches, 4, 2) + "        (inch)");
}

} // namespace calc
