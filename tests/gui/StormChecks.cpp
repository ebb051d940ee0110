#include "StormChecks.h"

#include "calc/WeightCalculation.h"
#include "widgets/MessageText.h"
#include "widgets/RegionalSettings.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <array>
#include <optional>

namespace {

const QString kNoResult = QStringLiteral("******");

using calc::PipeSchedule;

constexpr std::array<PipeSchedule, 4> kSchedules{PipeSchedule::Sch10, PipeSchedule::Sch40,
                                                 PipeSchedule::SchSTD, PipeSchedule::Sch80};

// The three texts a calculation gives for the window's state and length text as they are
// now; no inches when the length text is not a number.
struct Results : calc::ResultReceiver {
    void kilograms(const std::string& text) override { kg = QString::fromStdString(text); }
    void pounds(const std::string& text) override { lb = QString::fromStdString(text); }
    void inches(const std::string& text) override { in = QString::fromStdString(text); }
    QString kg;
    QString lb;
    std::optional<QString> in;
};

Results formulaFor(const TForm1& form) {
    const std::string lengthText = component<QLineEdit>(&form, "Edit1")->text().toStdString();
    Results results;
    try {
        calc::calculate({form.WeightPerFoot, form.PipeLength, form.Quantity, lengthText,
                         widgets::RegionalSettings::decimalSeparator()},
                        results);
    } catch (const numtext::ConversionError&) {
        // The inches stay missing.
    }
    return results;
}

// A number as float-to-fixed text writes it with width 4 and `decimals` decimals, then the
// label's unit.
bool wellFormed(const QString& text, int decimals, const QString& unit) {
    if (!text.endsWith(unit)) {
        return false;
    }
    const QString number = text.left(text.size() - unit.size());
    static const QRegularExpression exponent(QStringLiteral("^[ -][0-9]\\.[0-9]+E[+-][0-9]{4}$"));
    if (exponent.match(number).hasMatch()) {
        return true;
    }
    static const QRegularExpression special(QStringLiteral("^(Nan|\\+Inf|-Inf)$"));
    const QRegularExpression fixed(QStringLiteral("^-?[0-9]+\\.[0-9]{%1}$").arg(decimals));
    const QString unpadded = number.trimmed();
    return number == unpadded.rightJustified(4, u' ') &&
           (fixed.match(unpadded).hasMatch() || special.match(unpadded).hasMatch());
}

// A box's exit commits what its text converts to; a wrong text commits nothing.
template <typename Value, typename Conversion>
void commitIfConverts(Value& committed, Conversion convert) {
    try {
        committed = convert();
    } catch (const numtext::ConversionError&) {
        // The committed value stays.
    }
}

int checkedSchedule(const CalculatorComponents& u) {
    const std::array<const QRadioButton*, 4> radios{u.RadioButton1, u.RadioButton2, u.RadioButton3,
                                                    u.RadioButton4};
    int checked = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked()) {
            if (checked != -1) {
                return -2;
            }
            checked = static_cast<int>(i);
        }
    }
    return checked;
}

} // namespace

void StormChecks::watch() {
    length_ = 0;
    quantity_ = 1;
    kilograms_ = kNoResult;
    pounds_ = kNoResult;
    calculator_.emplace();
    gallery_.emplace();
    for (int number = 1; number <= kSlideCount; ++number) {
        slides_[static_cast<std::size_t>(number - 1)] = slideOf(number);
    }
    const CalculatorComponents& u = *calculator_;
    // Connected after the window's own handlers, so these run once those have finished.
    connect(u.BitBtn1, &QPushButton::clicked, this, &StormChecks::calculated);
    connect(u.Edit1, &widgets::ExitEdit::exited, this, [this, length = u.Edit1] {
        commitIfConverts(length_, [length] {
            return numtext::textToFloat(length->text().toStdString(),
                                        widgets::RegionalSettings::decimalSeparator());
        });
    });
    connect(u.Edit2, &widgets::ExitEdit::exited, this, [this, quantity = u.Edit2] {
        commitIfConverts(quantity_,
                         [quantity] { return numtext::textToInt(quantity->text().toStdString()); });
    });
}

void StormChecks::calculated() {
    ++calculations_;
    const CalculatorComponents& u = *calculator_;
    const Results expected = formulaFor(*Form1);
    kilograms_ = expected.kg;
    pounds_ = expected.lb;
    if (found_.isEmpty() && (u.Label7->text() != expected.kg || u.Label13->text() != expected.lb)) {
        found_ = QStringLiteral("the calculation wrote '%1' and '%2' where the formula gives "
                                "'%3' and '%4'")
                     .arg(u.Label7->text(), u.Label13->text(), expected.kg, expected.lb);
    }
}

QString StormChecks::broken() const {
    if (!found_.isEmpty()) {
        return found_;
    }
    if (QString wrong = calculatorBroken(); !wrong.isEmpty()) {
        return wrong;
    }
    if (QString wrong = resultsBroken(); !wrong.isEmpty()) {
        return wrong;
    }
    return galleryBroken();
}

QString StormChecks::calculatorBroken() const {
    const CalculatorComponents& u = *calculator_;
    const int schedule = checkedSchedule(u);
    if (schedule < 0) {
        return QStringLiteral("not exactly one schedule is checked");
    }
    const PipeSchedule checked = kSchedules[static_cast<std::size_t>(schedule)];
    // The diagrams of Sch 10, Sch 40, Sch STD and Sch 80.
    const std::array<const QWidget*, 4> diagrams{u.Image6, u.Image5, u.Image7, u.Image8};
    for (std::size_t i = 0; i < diagrams.size(); ++i) {
        if (diagrams[i]->isHidden() == (static_cast<int>(i) == schedule)) {
            return QStringLiteral("schedule %1 is checked but diagram %2 is %3")
                .arg(schedule)
                .arg(diagrams[i]->objectName(),
                     diagrams[i]->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
        }
    }
    QStringList labels;
    for (const std::string& label : calc::sizeLabels(checked)) {
        labels.append(QString::fromStdString(label));
    }
    QStringList entries;
    for (int index = 0; index < u.ComboBox1->count(); ++index) {
        entries.append(u.ComboBox1->itemText(index));
    }
    if (entries != labels) {
        return QStringLiteral("the size box lists other sizes than schedule %1's").arg(schedule);
    }
    const int index = u.ComboBox1->currentIndex();
    if (const auto weight = calc::weightPerFoot(checked, index)) {
        if (Form1->WeightPerFoot != *weight) {
            return QStringLiteral("size %1 of schedule %2 is selected but the weight per foot "
                                  "is %3")
                .arg(index)
                .arg(schedule)
                .arg(static_cast<double>(Form1->WeightPerFoot));
        }
    } else {
        bool ofTheSchedule = false;
        for (int entry = 0; entry < labels.size(); ++entry) {
            ofTheSchedule = ofTheSchedule || calc::weightPerFoot(checked, entry) ==
                                                 std::optional(Form1->WeightPerFoot);
        }
        if (!ofTheSchedule) {
            return QStringLiteral("no size is selected and the weight per foot %1 is none of "
                                  "schedule %2's")
                .arg(static_cast<double>(Form1->WeightPerFoot))
                .arg(schedule);
        }
    }
    if (Form1->PipeLength != length_ || Form1->Quantity != quantity_) {
        return QStringLiteral("the committed length and quantity are %1 and %2, not %3 and %4, "
                              "the last that the boxes converted")
            .arg(static_cast<double>(Form1->PipeLength))
            .arg(Form1->Quantity)
            .arg(static_cast<double>(length_))
            .arg(quantity_);
    }
    return {};
}

QString StormChecks::resultsBroken() const {
    const CalculatorComponents& u = *calculator_;
    const QString kg = u.Label7->text();
    const QString lb = u.Label13->text();
    const QString in = u.Label14->text();
    if (kg != kilograms_ || lb != pounds_) {
        return QStringLiteral("the results read '%1' and '%2' but the last calculation gave "
                              "'%3' and '%4'")
            .arg(kg, lb, kilograms_, pounds_);
    }
    if ((kg != kNoResult && !wellFormed(kg, 1, QStringLiteral(" kg"))) ||
        (lb != kNoResult && !wellFormed(lb, 1, QStringLiteral(" Lb"))) ||
        (in != kNoResult && !wellFormed(in, 2, QStringLiteral("        (inch)")))) {
        return QStringLiteral("a result label reads '%1', '%2', '%3'").arg(kg, lb, in);
    }
    // The inches are blanked by every change of the length text, so a shown result is the
    // one of the text now in the box.
    if (in != kNoResult && std::optional(in) != formulaFor(*Form1).in) {
        return QStringLiteral("the inch result '%1' is not the one of the length text '%2'")
            .arg(in, u.Edit1->text());
    }
    return {};
}

QString StormChecks::galleryBroken() const {
    const GalleryComponents& u = *gallery_;
    static const QRegularExpression slideNumber(QStringLiteral("^([0-9]|10)$"));
    const QString number = u.Edit1->text();
    if (!slideNumber.match(number).hasMatch()) {
        return QStringLiteral("the slide number reads '%1'").arg(number);
    }
    const int shown = number.toInt();
    const SlideParts heading = slide(shown == 0 ? 1 : shown);
    if (u.TntLabel1->text() != heading.title->text() ||
        u.TntLabel3->text() != heading.subtitle->text()) {
        return QStringLiteral("slide %1 is shown under the heading '%2' '%3'")
            .arg(number, u.TntLabel1->text(), u.TntLabel3->text());
    }
    for (int slide = 1; slide <= kSlideCount; ++slide) {
        const SlideParts& parts = slides_[static_cast<std::size_t>(slide - 1)];
        const QRect at = parts.picture->geometry();
        const bool enlarged = at == kViewingBox;
        if (!enlarged && at != QRect(parts.thumbnail, QSize(49, 41))) {
            return QStringLiteral("the picture of slide %1 lies at %2, %3 sized %4 x %5")
                .arg(slide)
                .arg(at.x())
                .arg(at.y())
                .arg(at.width())
                .arg(at.height());
        }
        if (enlarged == (shown == 0) && (shown == 0 || slide == shown)) {
            return QStringLiteral("the picture of slide %1 is %2 while the slide number is %3")
                .arg(slide)
                .arg(enlarged ? QStringLiteral("enlarged") : QStringLiteral("a thumbnail"))
                .arg(number);
        }
    }
    if (shown != 0 && graphicsInStackingOrder(*Form3).constLast() != slide(shown).picture) {
        return QStringLiteral("slide %1's picture is not on top").arg(number);
    }
    if (Form3->isVisible() && QApplication::activeModalWidget() == nullptr) {
        return QStringLiteral("the gallery is open but not modal");
    }
    return {};
}

QString StormChecks::brokenBox(const QMessageBox& box) const {
    if (Form3->isVisible()) {
        return QStringLiteral("an error box came up over the gallery: %1").arg(box.text());
    }
    const QString lengthError =
        widgets::withFullStop(QStringLiteral("'%1' is not a valid floating point value")
                                  .arg(component<QLineEdit>(Form1, "Edit1")->text()));
    const QString quantityError =
        widgets::withFullStop(QStringLiteral("'%1' is not a valid integer value")
                                  .arg(component<QLineEdit>(Form1, "Edit2")->text()));
    if (box.text() != lengthError && box.text() != quantityError) {
        return QStringLiteral("an error box reads '%1'").arg(box.text());
    }
    if (box.windowTitle() != QCoreApplication::applicationName() ||
        box.icon() != QMessageBox::Critical || box.buttons().size() != 1 ||
        box.button(QMessageBox::Ok) == nullptr) {
        return QStringLiteral("the error box '%1' is captioned '%2' with %3 buttons")
            .arg(box.text(), box.windowTitle(), QString::number(box.buttons().size()));
    }
    return {};
}
