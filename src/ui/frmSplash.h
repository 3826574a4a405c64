// The splash window shown while the program starts: no title bar, no task
// bar entry, centred on the screen. Its timer fires once, 2000 ms after the
// window was created. done() is emitted once: when the time is up, or as
// soon as the window is closed, whichever comes first.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace tarnel::ui {

class frmSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMs = 2000;

    explicit frmSplash(QWidget* parent = nullptr);

    QFrame* fraMainFrame() const { return fraMainFrame_; }
    QLabel* picLogo() const { return picLogo_; }
    QLabel* lblWelcome() const { return lblWelcome_; }
    QLabel* lblProductName() const { return lblProductName_; }
    QTimer* Timer() const { return timer_; }

    // Fits the window into a screen area of `area`'s size.
    void fitInto(const QSize& area);

signals:
    void done();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void finish();

    QFrame* fraMainFrame_ = nullptr;
    QLabel* picLogo_ = nullptr;
    QLabel* lblWelcome_ = nullptr;
    QLabel* lblProductName_ = nullptr;
    QTimer* timer_ = nullptr;
    bool done_ = false;
};

} // namespace tarnel::ui
