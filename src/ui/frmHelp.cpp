#include "frmHelp.h"

#include "CellButton.h"
#include "Centring.h"
#include "Fonts.h"
#include "ProgramIcon.h"
#include "Twips.h"

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
};
// Section 1: one button. Section 2: two buttons corner to corner.
// Section 3: two buttons side to side, one above the other.
constexpr std::array<DrawingButton, 5> kDrawing{
    {{0, 210, 210}, {1, 735, 945}, {5, 210, 1470}, {2, 210, 2310}, {3, 210, 2835}}};

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
    {"Label1", 1365, 315, 4215, 330,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp", "Every button gives the player 1 point")},
    {"Label2", 1365, 1050, 4215, 855,
     QT_TRANSLATE_NOOP("tarnel::ui::frmHelp",
                       "When a button is choosen by a player, every button on the point side that "
                       "was already choosen before by that player gives that player an aditional "
                       "2 points")},
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
    setWindowTitle(tr("Tarnel help"));
    setWindowIcon(programIcon());
    setFixedSize(twips(6030), twips(3960));
    setModal(true);
    if (owner != nullptr) {
        keepCentred(this, [owner] { return outerGeometry(owner); });
    }

    for (const DrawingButton& drawing : kDrawing) {
        auto* button = new CellButton(this);
        button->setObjectName(QStringLiteral("Knop(%1)").arg(drawing.index));
        button->setGeometry(twipsRect(drawing.left, drawing.top, kButtonSize, kButtonSize));
        button->setFaceColour(QColor(0xC0, 0x00, 0x00));
        button->setOwner(Picture::Blue); // shown only while disabled: never
        button->setFocusPolicy(Qt::NoFocus);
        knop_.at(static_cast<std::size_t>(drawing.index)) = button;
    }

    const QFont font = sansSerifBold(8.25);
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        const Rule& rule = kRules[i];
        auto* label = new QLabel(tr(rule.text), this);
        label->setObjectName(QLatin1String(rule.name));
        label->setGeometry(twipsRect(rule.left, rule.top, rule.width, rule.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFont(font);
        labels_[i] = label;
    }

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(twipsRect(2408, 3465, 1215, 375));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    okButton_->setFocus(Qt::OtherFocusReason);
}

CellButton* frmHelp::Knop(int index) const
{
    return knop_.at(static_cast<std::size_t>(index));
}

void frmHelp::showModal(QWidget* owner)
{
    frmHelp help(owner);
    help.exec();
}

void frmHelp::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::WindowText);
    for (const int y : kLineHeights) {
        painter.fillRect(
            QRect(QPoint(twips(kLineLeft), twips(y)), QPoint(twips(kLineRight), twips(y))), colour);
    }
}

} // namespace tarnel::ui
