// The application, apart from its windows: the field tables, the session
// (and through it the game, the computer player and the menus), the timer
// that paces the computer, and the one watcher of modal windows. It shows
// the splash, makes the one main window, hands the main window's requests
// to the session's door and what the session tells to every view it has.
#pragma once

#include "engine/FieldTables.h"
#include "platform/Start.h"
#include "session/Session.h"
#include "session/Views.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace tarnel::platform {
class ModalWatcher;
}

namespace tarnel::ui {

class BoardElementsView;
class frmMain;
class frmSplash;

// Sets the application's title and version. Call once, right after the
// QApplication is created.
void setApplicationProperties();

class Algemeen : public QObject, public platform::Program
{
    Q_OBJECT

public:
    // Builds the tables, whole, before anything reads them.
    Algemeen();
    ~Algemeen() override;

    // The start-up procedure, in this order: show the splash and paint it at
    // once; make and load the main window without showing it. The splash's
    // timer then shows the main window from the event loop.
    void Main();

    // Makes the main window, starts the timer and loads the main window
    // through the session (the Normal field, Human vs computer), hidden.
    // Main() does this; a test without a splash calls it alone.
    void loadMainWindow();

    // Called once the main window is shown.
    void whenShown(std::function<void()> shown) override { shown_ = std::move(shown); }
    // Called whenever no modal window is left over the main window.
    void whenModalWindowsGone(std::function<void()> gone) override;

    // platform::Program
    void start() override { Main(); }
    QWidget* mainWindow() const override;
    QString endedText() const override;
    QString playAgainText() const override;
    QString filesMissingText() const override;
    void showBoardIn(platform::BoardElements& elements) override;

    // The one door, and the timer's pace kept after every input.
    session::Outcome handle(const session::Input& input);

    // A further view of the session, told everything the main window is.
    void addView(session::SessionView& view) { views_.add(view); }

    // The one main window, from loadMainWindow() on.
    frmMain* MainForm() const { return mainForm_.get(); }
    // The splash while it is shown, else null.
    frmSplash* splash() const;
    const FieldTables& tables() const { return tables_; }
    const session::Session& session() const { return session_; }
    const Game& game() const { return session_.game(); }
    QTimer* Timer() { return &timer_; }

private:
    void keepPace();
    void handOver();

    FieldTables tables_;
    session::Views views_;
    session::Session session_;
    QTimer timer_;
    std::unique_ptr<platform::ModalWatcher> modals_;
    std::unique_ptr<frmMain> mainForm_;
    std::unique_ptr<BoardElementsView> elementsView_;
    QPointer<frmSplash> splash_;
    std::function<void()> shown_;
    bool handedOver_ = false;
};

} // namespace tarnel::ui
