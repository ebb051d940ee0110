#include "calc/Unit1.h"

#include "widgets/FormFrame.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    ui.setupUi(this);
    widgets::applyFormFrame(*this);
}
