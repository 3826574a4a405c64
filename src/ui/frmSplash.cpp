#include "frmSplash.h"

#include "platform/Centring.h"
#include "platform/Direction.h"
#include "platform/Fonts.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace tarnel::ui {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(twips(6270), twips(3570));
    // Closing the splash must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);

    fraMainFrame_ = new QFrame(this);
    fraMainFrame_->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    fraMainFrame_->setGeometry(twipsRect(45, -15, 6180, 3510));
    // The frame stands one pixel above the window's top edge; its border is
    // drawn one pixel lower so that all of it shows.
    fraMainFrame_->setFrameRect(fraMainFrame_->rect().adjusted(0, 1, 0, 0));

    picLogo_ = new QLabel(fraMainFrame_);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setGeometry(twipsRect(600, 600, 540, 540));
    picLogo_->setPixmap(programPixmap());
    picLogo_->setAlignment(Qt::AlignCenter);

    //: The start-up window: one line of about 400 pixels in a large serif
    //: font, shown above the program's name "Tarnel", which follows on its own
    //: line in larger letters. Write the greeting that reads well before the
    //: name; where the language puts the name inside the greeting, greet alone.
    lblWelcome_ = new QLabel(tr("Welcome at the"), fraMainFrame_);
    lblWelcome_->setObjectName(QStringLiteral("lblWelcome"));
    lblWelcome_->setGeometry(twipsRect(120, 1320, 5970, 390));
    lblWelcome_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblWelcome_->setFont(platform::serifBold(18));
    // A taller script's line may take the free room down to the name.
    platform::fitLines(lblWelcome_, twips(1920 - 1320));

    // The design text "Product" gives way to the application title at load.
    lblProductName_ = new QLabel(QStringLiteral("Product"), fraMainFrame_);
    lblProductName_->setObjectName(QStringLiteral("lblProductName"));
    lblProductName_->setGeometry(twipsRect(120, 1920, 5940, 660));
    lblProductName_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblProductName_->setFont(platform::serifBold(29.25));
    lblProductName_->setText(QCoreApplication::applicationName());
    // As tall as the language's serif face draws it, down to the frame.
    platform::fitLines(lblProductName_, twips(3480 - 1920));

    platform::placeForDirection(this);
    platform::placeForDirection(fraMainFrame_);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setSingleShot(true);
    timer_->setInterval(kShowMs);
    connect(timer_, &QTimer::timeout, this, &frmSplash::finish);
    timer_->start();

    if (const QScreen* screen = this->screen()) {
        fitInto(screen->availableGeometry().size());
        move(platform::centredCorner(size(), screen->geometry(), screen->availableGeometry()));
    }
}

void frmSplash::fitInto(const QSize& area)
{
    // On a screen smaller than the window, the window takes the screen's
    // size: the frame shrinks with it and the rest keeps its place about the
    // middle, where the centred texts stand.
    const QSize shrink = (size() - area).expandedTo(QSize(0, 0));
    if (shrink.isNull()) {
        return;
    }
    setFixedSize(size() - shrink);
    fraMainFrame_->resize(fraMainFrame_->size() - shrink);
    fraMainFrame_->setFrameRect(fraMainFrame_->rect().adjusted(0, 1, 0, 0));
    const QPoint shift(-shrink.width() / 2, -shrink.height() / 2);
    for (QWidget* child : fraMainFrame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(child->pos() + shift);
    }
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    // A close request (from the window manager, say) ends the wait at once:
    // the main window must not wait for a timer that is gone.
    QWidget::closeEvent(event);
    finish();
}

void frmSplash::finish()
{
    if (!done_) {
        done_ = true;
        timer_->stop();
        emit done();
    }
}

} // namespace tarnel::ui
