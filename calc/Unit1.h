// The calculator window: schedule, size, length and quantity in; weight and inches out.
#pragma once

#include "calc/PipeSchedule.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class TForm1;
}
namespace widgets {
class RadioButton;
}

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void FormCreate();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void ComboBox1Change();
    void Edit1Change();
    void Edit1Exit();
    void Edit2Exit();
    void BitBtn1Click();
    void BitBtn2Click();

    // Window state, owned here for as long as the program runs.
    calc::Extended WeightPerFoot = 0;
    calc::Extended PipeLength = 0;
    std::int32_t Quantity = 1;

private:
    // The components, found by their object names from outside the window.
    const std::unique_ptr<Ui::TForm1> ui;

    // The schedule whose radio button is checked.
    calc::PipeSchedule selectedSchedule() const;
    widgets::RadioButton* radioButtonOf(calc::PipeSchedule schedule) const;
    void showDiagramOf(calc::PipeSchedule schedule);
    void scheduleChecked(calc::PipeSchedule schedule);
    void thumbnailClicked(calc::PipeSchedule schedule);
    void connectHandlers();
};

// The program's main window, set once at start-up.
extern TForm1* Form1;
