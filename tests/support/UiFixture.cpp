#include "support/UiFixture.h"

#include "support/GameFixture.h"
#include "ui/GameTexts.h"

#include <QApplication>
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace tarnel::ui::testing {

::testing::AssertionResult hasFixedBorder(QWidget* window)
{
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        const auto style = GetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWL_STYLE);
        if ((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0) {
            return ::testing::AssertionFailure() << window->objectName().toStdString()
                                                 << " has a resize frame or Maximize box: style 0x"
                                                 << QString::number(style, 16).toStdString();
        }
    }
#endif
    return ::testing::AssertionSuccess() << window->objectName().toStdString();
}

bool eventually(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

BoxAnswerer::BoxAnswerer(int delayMs) : delayMs_(delayMs)
{
    connect(&poller_, &QTimer::timeout, this, &BoxAnswerer::poll);
    poller_.start(5);
}

void BoxAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box == handling_ || !box->isVisible()) {
        return;
    }
    handling_ = box;
    seen.push_back({box->windowTitle(), box->text(), box->icon(),
                    static_cast<int>(box->buttons().size()), box->isModal()});
    if (whileOpen) {
        whileOpen();
    }
    QPointer<QMessageBox> guard(box);
    if (delayMs_ > 0) {
        QTest::qWait(delayMs_);
    }
    if (guard) {
        QAbstractButton* ok = guard->button(QMessageBox::Ok);
        if (ok != nullptr) {
            ok->click();
        } else {
            guard->reject();
        }
    }
    handling_ = nullptr;
}

DesktopPalette::DesktopPalette(const PaletteCase& palette)
    : application_(QApplication::palette()), buttons_(QApplication::palette("QAbstractButton"))
{
    if (!palette.face.isValid()) {
        return;
    }
    QPalette desktop(palette.face, palette.face);
    desktop.setColor(QPalette::WindowText, palette.text);
    desktop.setColor(QPalette::ButtonText,
                     palette.buttonText.isValid() ? palette.buttonText : palette.text);
    desktop.setColor(QPalette::Highlight, palette.highlight);
    desktop.setColor(QPalette::Dark, palette.dark);
    if (palette.shadow.isValid()) {
        desktop.setColor(QPalette::Shadow, palette.shadow);
    }
    QApplication::setPalette(desktop);
    QApplication::setPalette(desktop, "QAbstractButton");
    // Qt posts the change to the open windows; their widgets other than
    // buttons (the main window's workspace) take it only from there.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

DesktopPalette::~DesktopPalette()
{
    QApplication::setPalette(application_);
    QApplication::setPalette(buttons_, "QAbstractButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

::testing::AssertionResult windowShowsTheGame(Algemeen& app)
{
    const frmMain& window = *app.MainForm();
    const Game& game = app.game();
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = game.cell(i);
        const CellButton* button = window.Knop(i);
        if (button->isVisibleTo(&window) != cell.visible || button->isEnabled() != cell.enabled ||
            button->owner() != cell.owner) {
            return ::testing::AssertionFailure() << "Knop(" << i << ") does not show its cell";
        }
    }
    const std::optional<Colour> toMove = game.toMove();
    if (window.btnRed()->picture() != (toMove == Colour::Red ? Picture::red : Picture::Gray) ||
        window.btnYellow()->picture() !=
            (toMove == Colour::Yellow ? Picture::yellow : Picture::Gray)) {
        return ::testing::AssertionFailure() << "an indicator is wrong";
    }
    const GameState& state = game.state();
    if (window.btnRedPoints()->text() != GameTexts::scoreCaption(Colour::Red, state.RedPoints) ||
        window.btnYellowPoints()->text() !=
            GameTexts::scoreCaption(Colour::Yellow, state.YellowPoints)) {
        return ::testing::AssertionFailure() << "a caption is wrong";
    }
    const MenuState& menus = window.menus();
    if (auto rules = tarnel::testing::menuRulesHold(menus, state); !rules) {
        return rules;
    }
    for (int i = 0; i < kMenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        const QAction* action = window.action(item);
        if (action->isChecked() != menus.checked(item) ||
            action->isEnabled() != menus.reachable(item)) {
            return ::testing::AssertionFailure()
                   << action->objectName().toStdString() << " disagrees with the menu rules";
        }
    }
    if (app.Timer()->interval() != menus.timerInterval()) {
        return ::testing::AssertionFailure() << "the timer runs at another interval";
    }
    return ::testing::AssertionSuccess();
}

WindowFixture::WindowFixture()
{
    app = std::make_unique<Algemeen>();
    app->loadMainWindow();
    window = app->MainForm();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    // A window manager activates it a little later; the focus is only real then.
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::clickCell(int index)
{
    QTest::mouseClick(window->Knop(index), Qt::LeftButton);
}

QImage WindowFixture::grabClient()
{
    return window->centralWidget()->grab().toImage();
}

int WindowFixture::countOwner(Picture picture) const
{
    int count = 0;
    for (const Cell& cell : app->game().cells()) {
        count += cell.owner == picture ? 1 : 0;
    }
    return count;
}

} // namespace tarnel::ui::testing
