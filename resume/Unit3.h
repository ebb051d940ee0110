// The résumé window: a gallery of the maker's ten engineering services.
#pragma once

#include "ui_Unit3.h"
#include "widgets/ModalWindow.h"

class TForm3 : public widgets::ModalWindow {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

private:
    Ui::TForm3 ui;
};

// Created hidden at start-up; the calculator's company button shows it modally.
extern TForm3* Form3;
