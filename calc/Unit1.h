// The calculator window: schedule, size, length and quantity in; weight and inches out.
#pragma once

#include "calc/PipeSchedule.h"
#include "ui_Unit1.h"

#include <QWidget>
#include <cstdint>

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

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

    Ui::TForm1 ui;

private:
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
