#include "calc/Unit1.h"

#include "calc/WeightCalculation.h"
#include "resume/Unit3.h"
#include "ui_Unit1.h"
#include "widgets/FormLayout.h"
#include "widgets/Handlers.h"
#include "widgets/RegionalSettings.h"

#include <QStringList>

TForm1* Form1 = nullptr;

using calc::PipeSchedule;
using widgets::connectHandler;

namespace {

std::string textOf(const QLineEdit* box) {
    return box->text().toStdString();
}

// Writes each result into its label the moment the calculation hands it over.
class ResultLabels : public calc::ResultReceiver {
public:
    explicit ResultLabels(Ui::TForm1& ui) : ui_(ui) {}
    void kilograms(const std::string& text) override {
        ui_.Label7->setText(QString::fromStdString(text));
    }
    void pounds(const std::string& text) override {
        ui_.Label13->setText(QString::fromStdString(text));
    }
    void inches(const std::string& text) override {
        ui_.Label14->setText(QString::fromStdString(text));
    }

private:
    Ui::TForm1& ui_;
};

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    widgets::buildForm(*ui, *this);
    connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::connectHandlers() {
    using widgets::Trigger;
    connectHandler(ui->RadioButton1, &widgets::RadioButton::becameChecked, this,
                   &TForm1::RadioButton1Click);
    connectHandler(ui->RadioButton2, &widgets::RadioButton::becameChecked, this,
                   &TForm1::RadioButton2Click);
    connectHandler(ui->RadioButton3, &widgets::RadioButton::becameChecked, this,
                   &TForm1::RadioButton3Click);
    connectHandler(ui->RadioButton4, &widgets::RadioButton::becameChecked, this,
                   &TForm1::RadioButton4Click);
    connectHandler(ui->Image1, &widgets::PictureBox::clicked, this, &TForm1::Image1Click);
    connectHandler(ui->Image2, &widgets::PictureBox::clicked, this, &TForm1::Image2Click);
    connectHandler(ui->Image3, &widgets::PictureBox::clicked, this, &TForm1::Image3Click);
    connectHandler(ui->Image4, &widgets::PictureBox::clicked, this, &TForm1::Image4Click);
    connectHandler(ui->ComboBox1, &widgets::SizeBox::userChanged, this, &TForm1::ComboBox1Change);
    connectHandler(ui->Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connectHandler(ui->Edit1, &widgets::ExitEdit::exited, this, &TForm1::Edit1Exit,
                   Trigger::FocusChange);
    connectHandler(ui->Edit2, &widgets::ExitEdit::exited, this, &TForm1::Edit2Exit,
                   Trigger::FocusChange);
    connectHandler(ui->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connectHandler(ui->BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
}

widgets::RadioButton* TForm1::radioButtonOf(PipeSchedule schedule) const {
    switch (schedule) {
    case PipeSchedule::Sch10:
        return ui->RadioButton1;
    case PipeSchedule::Sch40:
        return ui->RadioButton2;
    case PipeSchedule::SchSTD:
        return ui->RadioButton3;
    case PipeSchedule::Sch80:
        return ui->RadioButton4;
    }
    return ui->RadioButton1;
}

PipeSchedule TForm1::selectedSchedule() const {
    for (const PipeSchedule schedule :
         {PipeSchedule::Sch10, PipeSchedule::Sch40, PipeSchedule::SchSTD, PipeSchedule::Sch80}) {
        if (radioButtonOf(schedule)->isChecked()) {
            return schedule;
        }
    }
    return PipeSchedule::Sch10;
}

void TForm1::showDiagramOf(PipeSchedule schedule) {
    // In the order Image5, Image6, Image7, Image8: Sch 40, Sch 10, Sch STD, Sch 80.
    ui->Image5->setVisible(schedule == PipeSchedule::Sch40);
    ui->Image6->setVisible(schedule == PipeSchedule::Sch10);
    ui->Image7->setVisible(schedule == PipeSchedule::SchSTD);
    ui->Image8->setVisible(schedule == PipeSchedule::Sch80);
}

void TForm1::FormCreate() {
    PipeLength = 0;
    Quantity = 1;
    // Checking it runs RadioButton1Click at once.
    ui->RadioButton1->setChecked(true);
}

void TForm1::scheduleChecked(PipeSchedule schedule) {
    showDiagramOf(schedule);
    QStringList labels;
    for (const std::string& label : calc::sizeLabels(schedule)) {
        labels.append(QString::fromStdString(label));
    }
    ui->ComboBox1->refill(labels);
    if (radioButtonOf(schedule)->isChecked()) {
        WeightPerFoot = calc::firstWeight(schedule);
    }
}

void TForm1::RadioButton1Click() {
    scheduleChecked(PipeSchedule::Sch10);
}
void TForm1::RadioButton2Click() {
    scheduleChecked(PipeSchedule::Sch40);
}
void TForm1::RadioButton3Click() {
    scheduleChecked(PipeSchedule::SchSTD);
}
void TForm1::RadioButton4Click() {
    scheduleChecked(PipeSchedule::Sch80);
}

void TForm1::thumbnailClicked(PipeSchedule schedule) {
    // Runs the radio button's click handler only when it was not checked before.
    radioButtonOf(schedule)->setChecked(true);
    showDiagramOf(schedule);
}

void TForm1::Image1Click() {
    thumbnailClicked(PipeSchedule::Sch10);
}
void TForm1::Image2Click() {
    thumbnailClicked(PipeSchedule::Sch40);
}
void TForm1::Image3Click() {
    thumbnailClicked(PipeSchedule::SchSTD);
}
void TForm1::Image4Click() {
    thumbnailClicked(PipeSchedule::Sch80);
}

void TForm1::ComboBox1Change() {
    // No entry selected (the user typed): the weight stays as it was.
    if (const auto weight =
            calc::weightPerFoot(selectedSchedule(), ui->ComboBox1->currentIndex())) {
        WeightPerFoot = *weight;
    }
}

void TForm1::Edit1Change() {
    ui->Label14->setText(QStringLiteral("******"));
}

void TForm1::Edit1Exit() {
    PipeLength =
        numtext::textToFloat(textOf(ui->Edit1), widgets::RegionalSettings::decimalSeparator());
}

void TForm1::Edit2Exit() {
    Quantity = numtext::textToInt(textOf(ui->Edit2));
}

void TForm1::BitBtn1Click() {
    const std::string lengthText = textOf(ui->Edit1);
    ResultLabels labels(*ui);
    calc::calculate({WeightPerFoot, PipeLength, Quantity, lengthText,
                     widgets::RegionalSettings::decimalSeparator()},
                    labels);
}

void TForm1::BitBtn2Click() {
    Form3->exec();
}
