// The about window: title, version and contact line. Modal over its owner,
// built afresh at every opening; Enter and Esc both press OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarnel::ui {

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    // Opens a new about window, modal over `owner`, and returns at once:
    // the program's one event loop goes on. The window deletes itself once
    // closed.
    static frmAbout* showOver(QWidget* owner);

    QLabel* picIcon() const { return picIcon_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* Label1() const { return label1_; }
    QPushButton* cmdOK() const { return cmdOK_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace tarnel::ui
