#include "frmAbout.h"

#include "platform/Centring.h"
#include "platform/Contrast.h"
#include "platform/Direction.h"
#include "platform/Fonts.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WrappedLabel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVersionNumber>

namespace tarnel::ui {

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The window's fixed text colour, where it reads on the desktop's window
// colour; on a dark or high-contrast desktop the label keeps the desktop's.
void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    if (platform::contrastRatio(colour, palette.color(QPalette::Window)) >=
        platform::kTextContrast) {
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}
} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: Title bar of the about window.
    setWindowTitle(tr("About Tarnel"));
    setWindowIcon(programIcon());
    setFixedSize(twips(4590), twips(2460));
    setModal(true);
    if (owner != nullptr) {
        platform::placeCentred(this, [owner] { return platform::outerGeometry(owner); });
    }

    picIcon_ = makeLabel(this, "picIcon", twipsRect(240, 105, 540, 540));
    picIcon_->setPixmap(programPixmap());
    picIcon_->setAlignment(Qt::AlignCenter);
    picIcon_->setAutoFillBackground(true);
    QPalette iconBackground = picIcon_->palette();
    iconBackground.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    picIcon_->setPalette(iconBackground);

    lblTitle_ = makeLabel(this, "lblTitle", twipsRect(1050, 105, 3360, 480));
    lblTitle_->setFont(platform::sansSerifBold(12));
    setTextColour(lblTitle_, Qt::black);

    lblVersion_ = makeLabel(this, "lblVersion", twipsRect(1050, 630, 3360, 225));
    lblVersion_->setFont(platform::sansSerifBold(9.75));

    // Without a font of its own in the design: the window's default, 8.25 pt
    // sans serif, whose line fits the label.
    lblDescription_ = makeLabel(this, "lblDescription", twipsRect(1050, 945, 3255, 225));
    lblDescription_->setFont(platform::sansSerif(8.25));
    //: One line of about 215 pixels: the program is free of charge.
    lblDescription_->setText(tr("Freeware ... have fun"));
    setTextColour(lblDescription_, Qt::black);

    label1_ = new WrappedLabel(QString(), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(1050, 1155, 3270, 435));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setFont(platform::sansSerif(8.25));
    //: At most two lines of about 215 pixels: an invitation to write to the
    //: developers for news of the game or for its source code.
    label1_->setText(tr("Write to the Tarnel developers for news or the source."));

    //: The button that closes the about window, about 75 pixels wide.
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(1718, 1890, 1155, 345));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    platform::fitCaption(cmdOK_);

    platform::placeForDirection(this);

    // Load: the version and the title, read from the application each time.
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    //: One line: major, minor and revision, as in "Version 1.0.10".
    lblVersion_->setText(tr("Version %1.%2.%3")
                             .arg(version.majorVersion())
                             .arg(version.minorVersion())
                             .arg(version.microVersion()));
    lblTitle_->setText(QCoreApplication::applicationName());

    // Every letter whole, descenders and taller scripts included: the version
    // may take the room down to the description, which has none to spare.
    platform::fitLines(lblVersion_, twips(945 - 630));
    platform::fitLines(lblDescription_, twips(225));
    // Its two lines may take the room down to the separator.
    platform::fitLines(label1_, twips(1680 - 1155));

    cmdOK_->setFocus(Qt::OtherFocusReason);
}

frmAbout* frmAbout::showOver(QWidget* owner)
{
    auto* about = new frmAbout(owner);
    connect(about, &QDialog::finished, about, &QObject::deleteLater);
    about->show();
    return about;
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The etched separator: a white line two pixels high under a grey one.
    QPainter painter(this);
    painter.fillRect(platform::visualRect(this, QRect(QPoint(twips(210), twips(1710)),
                                                      QPoint(twips(4380), twips(1710) + 1))),
                     Qt::white);
    painter.fillRect(platform::visualRect(this, QRect(QPoint(twips(195), twips(1695)),
                                                      QPoint(twips(4380), twips(1695)))),
                     QColor(0x80, 0x80, 0x80));
}

} // namespace tarnel::ui
