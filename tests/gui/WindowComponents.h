// The components of the two windows that the tests drive and read, found by their object
// names, as screen readers and the end-to-end tests find them: the windows keep their
// generated layout classes to themselves.
#pragma once

#include "ProgramWindows.h"
#include "widgets/AutoSizeLabel.h"
#include "widgets/BitmapButton.h"
#include "widgets/ExitEdit.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioButton.h"
#include "widgets/SizeBox.h"

struct CalculatorComponents {
    widgets::RadioButton* RadioButton1 = component<widgets::RadioButton>(Form1, "RadioButton1");
    widgets::RadioButton* RadioButton2 = component<widgets::RadioButton>(Form1, "RadioButton2");
    widgets::RadioButton* RadioButton3 = component<widgets::RadioButton>(Form1, "RadioButton3");
    widgets::RadioButton* RadioButton4 = component<widgets::RadioButton>(Form1, "RadioButton4");
    widgets::PictureBox* Image1 = component<widgets::PictureBox>(Form1, "Image1");
    widgets::PictureBox* Image2 = component<widgets::PictureBox>(Form1, "Image2");
    widgets::PictureBox* Image3 = component<widgets::PictureBox>(Form1, "Image3");
    widgets::PictureBox* Image4 = component<widgets::PictureBox>(Form1, "Image4");
    widgets::PictureBox* Image5 = component<widgets::PictureBox>(Form1, "Image5");
    widgets::PictureBox* Image6 = component<widgets::PictureBox>(Form1, "Image6");
    widgets::PictureBox* Image7 = component<widgets::PictureBox>(Form1, "Image7");
    widgets::PictureBox* Image8 = component<widgets::PictureBox>(Form1, "Image8");
    widgets::PictureBox* Image9 = component<widgets::PictureBox>(Form1, "Image9");
    widgets::PictureBox* Image11 = component<widgets::PictureBox>(Form1, "Image11");
    widgets::SizeBox* ComboBox1 = component<widgets::SizeBox>(Form1, "ComboBox1");
    widgets::ExitEdit* Edit1 = component<widgets::ExitEdit>(Form1, "Edit1");
    widgets::ExitEdit* Edit2 = component<widgets::ExitEdit>(Form1, "Edit2");
    widgets::BitmapButton* BitBtn1 = component<widgets::BitmapButton>(Form1, "BitBtn1");
    widgets::BitmapButton* BitBtn2 = component<widgets::BitmapButton>(Form1, "BitBtn2");
    widgets::AutoSizeLabel* Label3 = component<widgets::AutoSizeLabel>(Form1, "Label3");
    widgets::AutoSizeLabel* Label7 = component<widgets::AutoSizeLabel>(Form1, "Label7");
    widgets::AutoSizeLabel* Label13 = component<widgets::AutoSizeLabel>(Form1, "Label13");
    widgets::AutoSizeLabel* Label14 = component<widgets::AutoSizeLabel>(Form1, "Label14");
};

struct GalleryComponents {
    widgets::BitmapButton* BitBtn1 = component<widgets::BitmapButton>(Form3, "BitBtn1");
    widgets::BitmapButton* BitBtn2 = component<widgets::BitmapButton>(Form3, "BitBtn2");
    QLineEdit* Edit1 = component<QLineEdit>(Form3, "Edit1");
    widgets::PictureBox* Image2 = component<widgets::PictureBox>(Form3, "Image2");
    widgets::AutoSizeLabel* TntLabel1 = component<widgets::AutoSizeLabel>(Form3, "TntLabel1");
    widgets::AutoSizeLabel* TntLabel3 = component<widgets::AutoSizeLabel>(Form3, "TntLabel3");
    widgets::AutoSizeLabel* TntLabel12 = component<widgets::AutoSizeLabel>(Form3, "TntLabel12");
    widgets::AutoSizeLabel* TntLabel13 = component<widgets::AutoSizeLabel>(Form3, "TntLabel13");
};
