// The résumé window: a gallery of the maker's ten engineering services.
#pragma once

#include "widgets/ModalWindow.h"

#include <memory>

namespace Ui {
class TForm3;
}

class TForm3 : public widgets::ModalWindow {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void BitBtn1Click();
    void Edit1Change();
    void BitBtn2Click();
    void Image1Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void Image10Click();
    void Image11Click();

private:
    // The components, found by their object names from outside the window.
    const std::unique_ptr<Ui::TForm3> ui;

    // Moves slide N's picture into the viewing box on top and copies its title and subtitle
    // into the heading.
    void displaySlide(int number);
    void chooseSlide(int number);
    void connectHandlers();
};

// Created hidden at start-up; the calculator's company button shows it modally.
extern TForm3* Form3;
