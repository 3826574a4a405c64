#include "Algemeen.h"

#include "platform/ModalWatcher.h"
#include "ui/BoardElementsView.h"
#include "ui/GameTexts.h"
#include "ui/ProgramIcon.h"
#include "ui/Version.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/frmSplash.h"

#include <QApplication>

namespace tarnel::ui {

namespace {
// The timer's interval until the menus set theirs.
constexpr int kLoadInterval = 100;
} // namespace

using session::Input;

void setApplicationProperties()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionString));
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

Algemeen::Algemeen()
    : tables_([] {
          FieldTables tables;
          tables.buildAll();
          return tables;
      }()),
      session_(views_, tables_)
{
    timer_.setObjectName(QStringLiteral("Timer"));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kLoadInterval);
    connect(&timer_, &QTimer::timeout, this, [this] { handle(Input::tick()); });
    // A modal window shown or hidden is told to the session, whoever
    // opened it.
    modals_ = std::make_unique<platform::ModalWatcher>(
        [this](QWidget* window) {
            handle(Input::modalOpened());
            if (elementsView_) {
                elementsView_->modalOpened(window);
            }
        },
        [this](QWidget* window) {
            handle(Input::modalClosed());
            if (elementsView_) {
                elementsView_->modalClosed(window);
            }
        });
}

Algemeen::~Algemeen()
{
    // The windows go before the session they show; the modal windows still
    // open tell it nothing more.
    modals_.reset();
    if (elementsView_) {
        views_.remove(*elementsView_);
        elementsView_.reset();
    }
    if (mainForm_) {
        views_.remove(*mainForm_);
    }
    delete splash_.data();
}

frmSplash* Algemeen::splash() const
{
    return splash_.data();
}

void Algemeen::whenModalWindowsGone(std::function<void()> gone)
{
    modals_->whenAllClosed(std::move(gone));
}

QWidget* Algemeen::mainWindow() const
{
    return mainForm_.get();
}

QString Algemeen::endedText() const
{
    return GameTexts::endedInPage();
}

QString Algemeen::playAgainText() const
{
    return GameTexts::playAgain();
}

void Algemeen::showBoardIn(platform::BoardElements& elements)
{
    elementsView_ =
        std::make_unique<BoardElementsView>(session_.menus(), *mainForm_, elements,
                                            [this](const Input& input) { return handle(input); });
    views_.add(*elementsView_);
    session_.tellState(*elementsView_);
}

QString Algemeen::filesMissingText() const
{
    return GameTexts::filesMissingInPage();
}

session::Outcome Algemeen::handle(const Input& input)
{
    const session::Outcome outcome = session_.handle(input);
    keepPace();
    return outcome;
}

void Algemeen::keepPace()
{
    if (timer_.interval() != session_.menus().timerInterval()) {
        timer_.setInterval(session_.menus().timerInterval());
    }
}

void Algemeen::Main()
{
    // The splash, drawn at once, before anything slow happens.
    splash_ = new frmSplash;
    connect(splash_, &frmSplash::done, this, &Algemeen::handOver);
    splash_->show();
    splash_->repaint();
    loadMainWindow();
}

void Algemeen::loadMainWindow()
{
    mainForm_ = std::make_unique<frmMain>(session_.menus());
    mainForm_->forward = [this](const Input& input) { return handle(input); };
    mainForm_->openHelp = &frmHelp::showOver;
    mainForm_->openAbout = &frmAbout::showOver;
    views_.add(*mainForm_);
    // The timer is enabled from the moment the window exists and never
    // stopped; its ticks do nothing while a person is to move.
    timer_.start();
    // Loaded, not shown.
    mainForm_->centreOnScreen();
    session_.load();
    keepPace();
    mainForm_->returnFocusToBoard();
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
        if (shown_) {
            shown_();
        }
    });
}

} // namespace tarnel::ui
