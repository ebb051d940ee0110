// The calculator window: schedule, size, length and quantity in; weight and inches out.
#pragma once

#include "ui_Unit1.h"

#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

private:
    Ui::TForm1 ui;
};

// The program's main window, set once at start-up.
extern TForm1* Form1;
