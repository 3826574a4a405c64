// The help window: the three scoring rules, each beside a small drawing of
// board buttons. Modal over its owner, built afresh at every opening.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace tarnel::ui {

class CellButton;

class frmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget* owner);

    // Opens a new help window, modal over `owner`, and returns at once:
    // the program's one event loop goes on. The window deletes itself once
    // closed.
    static frmHelp* showOver(QWidget* owner);

    // The drawing buttons carry the indices 0, 1, 2, 3 and 5; there is no 4.
    CellButton* Knop(int index) const;
    QLabel* Label1() const { return labels_[0]; }
    QLabel* Label2() const { return labels_[1]; }
    QLabel* Label3() const { return labels_[2]; }
    QPushButton* OKButton() const { return okButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<CellButton*, 6> knop_{};
    std::array<QLabel*, 3> labels_{};
    QPushButton* okButton_ = nullptr;
};

} // namespace tarnel::ui
