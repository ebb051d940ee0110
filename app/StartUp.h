// The program's start-up and its event loop, shared by main and the tests that drive it.
#pragma once

class QApplication;
class QWidget;

namespace app {

// Title, icon, error display and regional settings of the application object.
void initialiseApplication(QApplication& application);

// Shows the main window at its designed place (or maximised or minimised when the program was
// started that way), makes it active and gives the keyboard focus to its first tab stop.
void showMainWindow(QWidget& window);

} // namespace app
