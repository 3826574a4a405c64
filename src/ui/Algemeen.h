// The program's start-up: the splash, the one main window and the hand-over
// from one to the other.
#pragma once

#include "engine/FieldTables.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QApplication;

namespace tarnel::ui {

class frmMain;
class frmSplash;

// Sets the application's title and version. Call once, right after the
// QApplication is created.
void setApplicationProperties();

class Algemeen : public QObject
{
    Q_OBJECT

public:
    Algemeen();
    ~Algemeen() override;

    // The start-up procedure, in this order: show the splash and paint it at
    // once; create the main window (MainForm); build the layout tables; load
    // the main window without showing it. The splash's timer then shows the
    // main window from the event loop.
    void Main();

    // The one main window, from Main() on.
    frmMain* MainForm() const { return mainForm_.get(); }
    // The splash while it is shown, else null.
    frmSplash* splash() const;
    const FieldTables& tables() const { return tables_; }

private:
    void handOver();

    FieldTables tables_;
    std::unique_ptr<frmMain> mainForm_;
    QPointer<frmSplash> splash_;
    bool handedOver_ = false;
};

} // namespace tarnel::ui
