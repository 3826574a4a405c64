#include "Algemeen.h"

#include "ui/ProgramIcon.h"
#include "ui/Version.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QTimer>

#ifdef Q_OS_WASM
#include "platform/Page.h"
#endif

namespace tarnel::ui {

void setApplicationProperties()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionString));
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

Algemeen::Algemeen() = default;

Algemeen::~Algemeen()
{
    delete splash_.data();
}

frmSplash* Algemeen::splash() const
{
    return splash_.data();
}

void Algemeen::Main()
{
    // The splash, drawn at once, before anything slow happens.
    splash_ = new frmSplash;
    connect(splash_, &frmSplash::done, this, &Algemeen::handOver);
    splash_->show();
    splash_->repaint();

    // The one main window.
    mainForm_ = std::make_unique<frmMain>(tables_);
    mainForm_->openHelp = &frmHelp::showOver;
    mainForm_->openAbout = &frmAbout::showOver;

    // The layout tables, before the first field is laid out.
    tables_.InitEasyField();
    tables_.InitNormalField();
    tables_.InitHardField();
    tables_.InitImpossibleField();

    // Loaded, not shown: its timer already ticks.
    mainForm_->load();
}

void Algemeen::handOver()
{
    if (handedOver_) {
        return;
    }
    handedOver_ = true;
    if (splash_) {
        splash_->close(); // deleted from the event loop
    }
    // Shown once the splash is really gone, so that the two windows never
    // hold their buffers at the same time.
    QTimer::singleShot(0, this, [this] {
        // Normal, not full screen as a web page would show a main window:
        // the window keeps its design size wherever it is shown.
        mainForm_->showNormal();
        mainForm_->raise();
        mainForm_->activateWindow();
#ifdef Q_OS_WASM
        platform::markInPage("tarnel-main-window");
#endif
    });
}

} // namespace tarnel::ui
