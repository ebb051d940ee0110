#include "resume/Unit3.h"

#include "widgets/FormFrame.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : widgets::ModalWindow(parent) {
    ui.setupUi(this);
    widgets::applyFormFrame(*this);
}
