// A long random mix of real input to both windows, the invariants checked after every step.
//
// Every step is a posted event of the lowest priority, so that it comes once the program has
// handled what the previous step set off. The step runs in whichever event loop is current:
// the test's, the gallery's or an error box's. An input that opens one of those windows does
// not return until it closes, so the window's showing takes the next step into its loop; a
// step that an outer loop takes while an input is still being handled waits for it.
#pragma once

#include "ProgramWindows.h"
#include "StormChecks.h"
#include "StormRandom.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>

class QMessageBox;

class Storm : public QObject {
public:
    Storm(std::uint64_t seed, int events);
    ~Storm() override;

    // Delivers the events, then closes whatever box or gallery is still open. Returns what
    // broke, with the last steps before it, or an empty text.
    QString run();

    // How many inputs of which kinds the run delivered.
    QString summary() const;
    // Of every input and of the state after each step: equal for runs of the same seed.
    std::uint32_t digest() const { return digest_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleStep();
    void step();
    void windDown(QWidget* modal, QWidget* popup);
    void actOnCalculator();
    void actOnGallery();
    void actOnErrorBox(QMessageBox& box);
    void actOnPopup(QWidget& popup);
    void restart();
    void fail(const QString& what);

    // Real input, counted, remembered for the failure report and folded into the digest.
    void click(QWidget& window, QPoint position, const QString& what);
    void clickSomewhereIn(QWidget& widget);
    void clickSomewhereInOneOf(const QList<QWidget*>& widgets);
    void clickOk(QMessageBox& box);
    void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(QWidget& window, const QString& text);
    void paste(QWidget& window, const QString& text);
    void pressAltF4(QWidget& window);
    void note(const QString& what);
    void fold(const QString& text);

    StormRandom random_;
    const int events_;
    std::unique_ptr<ProgramWindows> windows_;
    StormChecks checks_;
    QEventLoop loop_;
    QTimer stallGuard_;
    bool stepPosted_ = false;
    int inputsUnderway_ = 0;
    bool finished_ = false;
    int delivered_ = 0;
    int steps_ = 0;
    int errorBoxes_ = 0;
    int galleryOpenings_ = 0;
    int restarts_ = 0;
    std::uint32_t digest_ = 2166136261u;
    QStringList recent_;
    QString failure_;
};
