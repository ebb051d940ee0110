#include "resume/Unit3.h"

#include "numtext/numtext.h"
#include "ui_Unit3.h"
#include "widgets/FormLayout.h"
#include "widgets/Handlers.h"
#include "widgets/Stacking.h"

#include <array>

TForm3* Form3 = nullptr;

namespace {

// The components that carry each slide, slide 1 first.
struct Slide {
    const char* number;
    widgets::PictureBox* Ui::TForm3::*picture;
    widgets::AutoSizeLabel* Ui::TForm3::*title;
    widgets::AutoSizeLabel* Ui::TForm3::*subtitle;
};

constexpr std::array<Slide, 10> kSlides{{
    {"1", &Ui::TForm3::Image1, &Ui::TForm3::TntLabel16, &Ui::TForm3::TntLabel17},
    {"2", &Ui::TForm3::Image3, &Ui::TForm3::TntLabel13, &Ui::TForm3::TntLabel12},
    {"3", &Ui::TForm3::Image4, &Ui::TForm3::TntLabel14, &Ui::TForm3::TntLabel18},
    {"4", &Ui::TForm3::Image5, &Ui::TForm3::TntLabel19, &Ui::TForm3::TntLabel20},
    {"5", &Ui::TForm3::Image6, &Ui::TForm3::TntLabel21, &Ui::TForm3::TntLabel22},
    {"6", &Ui::TForm3::Image7, &Ui::TForm3::TntLabel23, &Ui::TForm3::TntLabel24},
    {"7", &Ui::TForm3::Image8, &Ui::TForm3::TntLabel25, &Ui::TForm3::TntLabel26},
    {"8", &Ui::TForm3::Image9, &Ui::TForm3::TntLabel27, &Ui::TForm3::TntLabel28},
    {"9", &Ui::TForm3::Image10, &Ui::TForm3::TntLabel29, &Ui::TForm3::TntLabel30},
    {"10", &Ui::TForm3::Image11, &Ui::TForm3::TntLabel31, &Ui::TForm3::TntLabel32},
}};

// The viewing box that a chosen slide's picture fills.
constexpr int kViewLeft = 8;
constexpr int kViewTop = 8;
constexpr int kViewWidth = 425;
constexpr int kViewHeight = 313;

} // namespace

TForm3::TForm3(QWidget* parent) : widgets::ModalWindow(parent), ui(std::make_unique<Ui::TForm3>()) {
    widgets::buildForm(*ui, *this);
    connectHandlers();
}

TForm3::~TForm3() = default;

void TForm3::connectHandlers() {
    using widgets::connectHandler;
    using widgets::PictureBox;
    connectHandler(ui->BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connectHandler(ui->Edit1, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
    connectHandler(ui->BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connectHandler(ui->Image1, &PictureBox::clicked, this, &TForm3::Image1Click);
    connectHandler(ui->Image3, &PictureBox::clicked, this, &TForm3::Image3Click);
    connectHandler(ui->Image4, &PictureBox::clicked, this, &TForm3::Image4Click);
    connectHandler(ui->Image5, &PictureBox::clicked, this, &TForm3::Image5Click);
    connectHandler(ui->Image6, &PictureBox::clicked, this, &TForm3::Image6Click);
    connectHandler(ui->Image7, &PictureBox::clicked, this, &TForm3::Image7Click);
    connectHandler(ui->Image8, &PictureBox::clicked, this, &TForm3::Image8Click);
    connectHandler(ui->Image9, &PictureBox::clicked, this, &TForm3::Image9Click);
    connectHandler(ui->Image10, &PictureBox::clicked, this, &TForm3::Image10Click);
    connectHandler(ui->Image11, &PictureBox::clicked, this, &TForm3::Image11Click);
}

void TForm3::displaySlide(int number) {
    const Slide& slide = kSlides[static_cast<std::size_t>(number - 1)];
    widgets::PictureBox* picture = (*ui).*slide.picture;
    picture->move(picture->x(), kViewTop);
    picture->move(kViewLeft, picture->y());
    picture->resize(kViewWidth, picture->height());
    picture->resize(picture->width(), kViewHeight);
    picture->setVisible(true);
    widgets::raiseAmongGraphics(*picture);
    ui->TntLabel1->setText(((*ui).*slide.title)->text());
    ui->TntLabel3->setText(((*ui).*slide.subtitle)->text());
}

void TForm3::Edit1Change() {
    // The text is read afresh for every slide; at most one can match.
    for (int number = 1; number <= static_cast<int>(kSlides.size()); ++number) {
        if (ui->Edit1->text() ==
            QLatin1String(kSlides[static_cast<std::size_t>(number - 1)].number)) {
            displaySlide(number);
        }
    }
}

void TForm3::BitBtn1Click() {
    const std::int32_t slide = numtext::textToInt(ui->Edit1->text().toStdString());
    ui->Edit1->setText(QString::fromStdString(numtext::intToText(slide + 1)));
    if (ui->Edit1->text() == QLatin1String("11")) {
        ui->Edit1->setText(QStringLiteral("1"));
    }
}

void TForm3::BitBtn2Click() {
    const std::int32_t slide = numtext::textToInt(ui->Edit1->text().toStdString());
    ui->Edit1->setText(QString::fromStdString(numtext::intToText(slide - 1)));
    if (ui->Edit1->text() == QLatin1String("-1")) {
        ui->Edit1->setText(QStringLiteral("10"));
    }
    if (ui->Edit1->text() == QLatin1String("0")) {
        ui->Edit1->setText(QStringLiteral("10"));
    }
}

void TForm3::chooseSlide(int number) {
    // Writing the same text changes nothing, so the display steps run here in any case.
    ui->Edit1->setText(QLatin1String(kSlides[static_cast<std::size_t>(number - 1)].number));
    displaySlide(number);
}

void TForm3::Image1Click() {
    chooseSlide(1);
}
void TForm3::Image3Click() {
    chooseSlide(2);
}
void TForm3::Image4Click() {
    chooseSlide(3);
}
void TForm3::Image5Click() {
    chooseSlide(4);
}
void TForm3::Image6Click() {
    chooseSlide(5);
}
void TForm3::Image7Click() {
    chooseSlide(6);
}
void TForm3::Image8Click() {
    chooseSlide(7);
}
void TForm3::Image9Click() {
    chooseSlide(8);
}
void TForm3::Image10Click() {
    chooseSlide(9);
}
void TForm3::Image11Click() {
    chooseSlide(10);
}
