// The one watcher of the application's windows coming and going: it tells
// when a modal window opens and when one closes, whoever opened it (a
// result, the score, help, about, a box of Qt's own), and when the last of
// them has gone.
#pragma once

#include <QObject>
#include <QSet>
#include <functional>

class QWidget;

namespace tarnel::platform {

class ModalWatcher : public QObject
{
public:
    // Watches every window of the application from now on. `closed` may be
    // told of a window being destroyed: it can compare it, not use it.
    ModalWatcher(std::function<void(QWidget*)> opened, std::function<void(QWidget*)> closed);
    ~ModalWatcher() override;
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // Called, after `closed`, whenever no modal window is left open.
    void whenAllClosed(std::function<void()> allClosed) { allClosed_ = std::move(allClosed); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gone(QObject* window);

    std::function<void(QWidget*)> opened_;
    std::function<void(QWidget*)> closed_;
    std::function<void()> allClosed_;
    QSet<QObject*> open_;
};

} // namespace tarnel::platform
