#include "frmHelp.h"

#include "platform/Centring.h"
#include "platform/Direction.h"
#include "platform/Fonts.h"
#include "ui/CellButton.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WrappedLabel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tarnel::ui {

namespace {
struct DrawingButton
{
    int index;
    int left;
    int top;
    const char* name; // for a screen reader
};
// Section 1: one button. Section 2: two buttons corner to corner.
// Section 3: two buttons side to side, one above the other.
constexpr std::array<DrawingButton, 5> kDrawing{{
    //: The help window's drawings, read by a screen reader: the single button
    //: beside the first rule.
    {0, 210, 210, QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Drawing: a chosen button")},
    //: The help window's drawings, read by a screen reader: two buttons that
    //: touch only at a corner, beside the rule worth 2 points.
    {1, 735, 945,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Drawing: upper button, touching at a corner")},
    {5, 210, 1470,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Drawing: lower button, touching at a corner")},
    //: The help window's drawings, read by a screen reader: two buttons that
    //: touch along a long side, beside the rule worth 4 points.
    {2, 210, 2310,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Drawing: upper button, touching along a side")},
    {3, 210, 2835,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Drawing: lower button, touching along a side")},
}};

struct Rule
{
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* text;
};
constexpr std::array<Rule, 3> kRules{{
    //: The help window's first rule: one line of about 280 pixels in bold.
    {"Label1", 1365, 315, 4215, 330,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Every button gives the player 1 point")},
    //: The help window's second rule, beside a drawing of two buttons that touch
    //: only at a corner ("point side"); at most four lines of about 280 pixels
    //: in bold. The English keeps its old spelling; translations spell well.
    {"Label2", 1365, 1050, 4215, 855,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp",
                       "When a button is choosen by a player, every button on the point side that "
                       "was already choosen before by that player gives that player an aditional "
                       "2 points")},
    //: The help window's third rule, beside a drawing of two buttons that touch
    //: along a side ("long side"); at most three lines of about 295 pixels in
    //: bold. The English keeps its old spelling; translations spell well.
    {"Label3", 1260, 2415, 4425, 750,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp",
                       "When a button is choosen by a player, every button on the long side that "
                       "was already choosen before by that player gives that player an aditional "
                       "4 points")},
}};

constexpr int kButtonSize = 510;
constexpr std::array<int, 2> kLineHeights{840, 2100};
constexpr int kLineLeft = 315;
constexpr int kLineRight = 5565;
} // namespace

frmHelp::frmHelp(QWidget* owner) : QDialog(owner, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("frmHelp"));
    //: Title bar of the help window.
    setWindowTitle(tr("Tarnel help"));
    setWindowIcon(programIcon());
    setFixedSize(twips(6030), twips(3960));
    setModal(true);
    if (owner != nullptr) {
        platform::placeCentred(this, [owner] { return platform::outerGeometry(owner); });
    }

    for (const DrawingButton& drawing : kDrawing) {
        auto* button = new CellButton(this);
        button->setObjectName(QStringLiteral("Knop(%1)").arg(drawing.index));
        button->setGeometry(twipsRect(drawing.left, drawing.top, kButtonSize, kButtonSize));
        button->setFaceColour(QColor(0xC0, 0x00, 0x00));
        button->setOwner(Picture::Blue); // shown only while disabled: never
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(tr(drawing.name));
        knop_.at(static_cast<std::size_t>(drawing.index)) = button;
    }

    const QFont font = platform::sansSerifBold(8.25);
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        const Rule& rule = kRules[i];
        auto* label = new WrappedLabel(tr(rule.text), this);
        label->setObjectName(QLatin1String(rule.name));
        label->setGeometry(twipsRect(rule.left, rule.top, rule.width, rule.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(font);
        labels_[i] = label;
    }

    //: The button that closes the help window, about 80 pixels wide.
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(twipsRect(2408, 3465, 1215, 375));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    platform::fitCaption(okButton_);
    platform::placeForDirection(this);
    okButton_->setFocus(Qt::OtherFocusReason);
}

CellButton* frmHelp::Knop(int index) const
{
    return knop_.at(static_cast<std::size_t>(index));
}

frmHelp* frmHelp::showOver(QWidget* owner)
{
    auto* help = new frmHelp(owner);
    connect(help, &QDialog::finished, help, &QObject::deleteLater);
    help->show();
    return help;
}

void frmHelp::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::WindowText);
    for (const int y : kLineHeights) {
        painter.fillRect(platform::visualRect(this, QRect(QPoint(twips(kLineLeft), twips(y)),
                                                          QPoint(twips(kLineRight), twips(y)))),
                         colour);
    }
}

} // namespace tarnel::ui
