#include "UiFixture.h"

#include <QApplication>
#include <QTest>

namespace tarnel::ui::testing {

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

WindowFixture::WindowFixture()
{
    tables.buildAll();
    window = std::make_unique<frmMain>(tables);
    window->load();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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
    for (const Cell& cell : window->game().cells()) {
        count += cell.owner == picture ? 1 : 0;
    }
    return count;
}

} // namespace tarnel::ui::testing
