// What assistive technology reads, keyboard-only play, and the board's
// looks at any scale factor.
#include "menus/MenuTree.h"
#include "platform/Contrast.h"
#include "support/RecordingElements.h"
#include "support/UiFixture.h"
#include "ui/Pictures.h"
#include "ui/frmAbout.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

QString accessibleName(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface != nullptr ? interface->text(QAccessible::Name) : QString();
}

class AccessTest : public WindowFixture
{
protected:
    AccessTest()
    {
        app->Timer()->stop();
        choose(mnuHuman);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST_F(AccessTest, CellsIndicatorsAndScoresHaveNamesThatFollowTheGame)
{
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(window->Knop(0));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Button) << "a button, not a check box";
    EXPECT_FALSE(cell->state().checkable);
    EXPECT_EQ(accessibleName(window->Knop(0)), "Row 1, column 1, free");
    EXPECT_EQ(accessibleName(window->Knop(149)), "Row 10, column 15, free");
    EXPECT_EQ(accessibleName(window->btnRed()), "Red to move");
    EXPECT_EQ(accessibleName(window->btnYellow()), "Yellow waits");

    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(accessibleName(window->Knop(0)), "Row 1, column 1, red") << "Press takes the cell";
    clickCell(38);
    EXPECT_EQ(accessibleName(window->Knop(38)), "Row 3, column 9, yellow");
    EXPECT_EQ(accessibleName(window->btnRedPoints()), "Red has 1 point");
    EXPECT_EQ(accessibleName(window->btnRed()), "Red to move. Yellow took row 3, column 9.");
    clickCell(1);
    EXPECT_EQ(accessibleName(window->btnYellow()), "Yellow to move. Red took row 1, column 2.");
    EXPECT_EQ(accessibleName(window->btnRed()), "Red waits");
    EXPECT_EQ(accessibleName(window->btnRedPoints()), "Red has 6 points");

    // A new field: everything free again; out-of-play cells are hidden.
    choose(mnuEasy);
    EXPECT_EQ(accessibleName(window->Knop(0)), "Row 1, column 1, free");
    EXPECT_EQ(accessibleName(window->btnRed()), "Red to move") << "no move in this game yet";
    QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(window->Knop(32));
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->state().invisible);

    // Under a modal window, a press past it does nothing: no move, no box,
    // and the cell stands released. A press is a click that lands later:
    // the checks wait for it.
    QDialog modal(window);
    modal.setModal(true);
    modal.show();
    for (QAbstractButton* control :
         std::initializer_list<QAbstractButton*>{window->Knop(0), window->btnRedPoints()}) {
        QSignalSpy clicked(control, &QAbstractButton::clicked);
        QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(!clicked.isEmpty() || clicked.wait()) << "the press landed";
    }
    EXPECT_EQ(app->game().cell(0).owner, Picture::Gray);
    EXPECT_FALSE(window->Knop(0)->isChecked());
    EXPECT_EQ(QApplication::activeModalWidget(), &modal);
}

TEST_F(AccessTest, AGameIsPlayedWithTheKeyboardAlone)
{
    choose(mnuStandard);
    EXPECT_EQ(focused(), window->Knop(0)) << "the keyboard starts on the first cell";
    key(Qt::Key_Space); // red takes 0
    EXPECT_EQ(app->game().cell(0).owner, Picture::red);
    EXPECT_EQ(focused(), window->btnYellow());
    // The focus shows beside the indicator's colour, which stays whole.
    const QImage marked = window->btnYellow()->grab().toImage();
    const QRect picture = window->btnYellow()->pictureRect();
    const qreal scale = marked.devicePixelRatio();
    const QPalette& palette = window->btnYellow()->palette();
    const QColor mark =
        platform::markColour(palette.color(QPalette::Highlight), palette.color(QPalette::Button),
                             palette.color(QPalette::ButtonText));
    EXPECT_EQ(marked.pixelColor(qRound((picture.left() - 3) * scale), qRound(13 * scale)), mark);
    EXPECT_EQ(marked.pixelColor(qRound((picture.right() + 4) * scale), qRound(13 * scale)), mark);
    for (int x = picture.left(); x <= picture.right(); x += 7) {
        for (int y = 0; y < picture.height(); y += 5) {
            ASSERT_EQ(marked.pixelColor(qFloor((x + 0.5) * scale), qFloor((y + 0.5) * scale)),
                      QColor(0xFF, 0xFF, 0x00));
        }
    }

    key(Qt::Key_Up); // back to the board: the next free cell after 0
    EXPECT_EQ(focused(), window->Knop(1));
    key(Qt::Key_Right);
    key(Qt::Key_Space); // yellow takes 2
    EXPECT_EQ(app->game().cell(2).owner, Picture::yellow);
    EXPECT_EQ(focused(), window->btnRed());

    key(Qt::Key_Down); // back to 2's place: taken, so 3
    EXPECT_EQ(focused(), window->Knop(3));
    key(Qt::Key_Left); // skips taken 2, lands on 1
    EXPECT_EQ(focused(), window->Knop(1));
    key(Qt::Key_Left); // 0 is taken and the edge follows: stays
    EXPECT_EQ(focused(), window->Knop(1));
    key(Qt::Key_Down);
    key(Qt::Key_Space); // red takes 16, beside its 0 at a corner
    EXPECT_EQ(app->game().state().RedPoints, 1 + 3);

    // Edges stop the walk.
    window->Knop(14)->setFocus();
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), window->Knop(14));
    key(Qt::Key_Up);
    EXPECT_EQ(focused(), window->Knop(14));
    window->Knop(149)->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), window->Knop(149));
}

TEST_F(AccessTest, ArrowsSkipCellsOutOfPlay)
{
    choose(mnuNormal); // 32 (row 2, column 2) is out of play
    window->Knop(31)->setFocus();
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), window->Knop(33));
    window->Knop(17)->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(focused(), window->Knop(47)) << "skips 32";
}

// A page's board in its own elements: a second view of the same game,
// played through the same door as the window.
TEST_F(AccessTest, TheBoardInElementsFollowsTheGameAndPlaysThroughTheDoor)
{
    using Kind = platform::BoardElements::CellKind;
    using Arrow = platform::BoardElements::Arrow;
    RecordingElements elements;
    app->showBoardIn(elements);
    EXPECT_EQ(elements.boardName, "Board");
    EXPECT_EQ(elements.cells[0].name, "Row 1, column 1, free");
    EXPECT_EQ(std::count_if(elements.cells.begin(), elements.cells.end(),
                            [](const auto& cell) { return cell.kind == Kind::OutOfPlay; }),
              14)
        << "the Normal field's holes, not offered";
    EXPECT_EQ(elements.firstCell.topLeft(), window->Knop(0)->mapToGlobal(QPoint()));
    ASSERT_EQ(elements.menus.size(), std::size(menus::kMenuTree));
    const auto& human = elements.menus[static_cast<std::size_t>(
        std::find_if(std::begin(menus::kMenuTree), std::end(menus::kMenuTree),
                     [](const auto& row) { return row.item == mnuHuman && row.depth == 1; }) -
        std::begin(menus::kMenuTree))];
    EXPECT_EQ(std::tuple(human.caption, human.accessKey, human.checkable, human.checked),
              std::tuple(QString("Human vs Human"), QChar('H'), true, true));
    EXPECT_EQ(elements.menus[1].shortcut,
              QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText));

    elements.player.takeCell(0);
    EXPECT_EQ(accessibleName(window->Knop(0)), "Row 1, column 1, red") << "the window agrees";
    EXPECT_EQ(elements.cells[0].kind, Kind::Red);
    EXPECT_EQ(elements.news, QStringList{"Yellow to move. Red took row 1, column 1."});
    EXPECT_EQ(elements.status, QStringList({"Red has 1 point", "Yellow has 0 points",
                                            "Yellow to move. Red took row 1, column 1."}));
    EXPECT_EQ(elements.focused, 1) << "from a cell just taken to the next free one";
    EXPECT_EQ(elements.player.walk(1, Arrow::Left), -1) << "past taken 0, the edge";
    EXPECT_EQ(elements.player.walk(31, Arrow::Right), 33) << "past 32, out of play";

    elements.player.askScore(true);
    ASSERT_TRUE(eventually([&] { return elements.dialog.has_value(); }));
    EXPECT_EQ(elements.dialog->texts, QStringList{"Red is 1 point in front of yellow."});
    EXPECT_EQ(elements.dialog->buttons, QStringList{"OK"});
    elements.player.pressDialogButton(0);
    EXPECT_TRUE(eventually([&] { return !elements.dialog && !app->session().modalOpen(); }));

    elements.player.chooseMenu(static_cast<int>(mnuNewGame));
    EXPECT_EQ(elements.cells[0].kind, Kind::Free);
}

// Runs at every scale factor CTest starts the suite with (1, 1.5 and 2).
TEST_F(AccessTest, BoardIsSeamlessAndTakenCellsAreFilledAtAnyScale)
{
    choose(mnuStandard);
    clickCell(16);
    const QImage image = grabClient();
    const qreal scale = image.devicePixelRatio();
    ASSERT_EQ(image.width(), qRound(495 * scale));

    // Inside cell 16, clear of its neighbours' one-pixel overlaps: all red.
    const int left = qCeil((33 + 1) * scale);
    const int top = qCeil((33 + 1) * scale);
    const int right = qFloor((33 + 34) * scale) - 1;
    const int bottom = qFloor((33 + 34) * scale) - 1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ASSERT_EQ(image.pixelColor(x, y), QColor(0xCC, 0x00, 0x00)) << x << "," << y;
        }
    }
    // Nowhere on the board does the background show through.
    const int boardBottom = qFloor(331 * scale);
    for (int y = 0; y < boardBottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_NE(image.pixel(x, y), window->palette().color(kWorkspaceRole).rgb())
                << x << "," << y;
        }
    }
    // The longest score caption fits its button.
    const QFontMetrics metrics(window->btnYellowPoints()->font());
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("Yellow has 1875 points")),
              window->btnYellowPoints()->width() - 8);
    EXPECT_LT(metrics.height(), window->btnYellowPoints()->height());
}

// The window follows the desktop's palette: the board's gaps show its
// workspace colour, every text reads, the focus marks stand out, and a free
// cell differs from a yellow one by its raised edge, not by colour alone.
class PaletteTest : public WindowFixture, public ::testing::WithParamInterface<PaletteCase>
{
};

TEST_P(PaletteTest, EveryTextReadsAndEveryStateShows)
{
    const DesktopPalette desktop(GetParam());
    const QPalette palette = QApplication::palette();
    app->Timer()->stop();
    window->Knop(0)->click(); // red's move
    window->Knop(1)->click(); // yellow's, made by a person before the computer's tick
    window->btnRed()->setFocus();
    const QImage image = window->centralWidget()->grab().toImage();
    // Out-of-play cell 32 stands out from free cell 2, by colour or hatching.
    double hole = 0;
    for (int x = 2 * 33 + 2; x < 3 * 33; ++x) {
        hole = std::max(hole, platform::contrastRatio(image.pixelColor(x, 2 * 33 + 16),
                                                      image.pixelColor(66 + 16, 16)));
    }
    EXPECT_GE(hole, platform::kMarkContrast);
    const QColor bar = image.pixelColor(window->btnRed()->pictureRect().left() - 3, 331 + 13);
    EXPECT_GE(platform::contrastRatio(bar, palette.color(QPalette::Button)),
              platform::kMarkContrast);
    // Yellow's cell 1 is flat to its edge; free cell 2's edge is clear of its face.
    EXPECT_EQ(image.pixel(66, 16), image.pixel(33 + 16, 16));
    EXPECT_GE(platform::contrastRatio(image.pixelColor(99, 16), image.pixelColor(66 + 16, 16)),
              platform::kMarkContrast);

    window->Knop(2)->setFocus();
    const QImage focused = window->Knop(2)->grab().toImage();
    EXPECT_GE(platform::contrastRatio(focused.pixelColor(5, 16), focused.pixelColor(16, 16)),
              platform::kMarkContrast)
        << "the focus ring on a free cell";

    frmAbout about(window);
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) { // not the icon
            EXPECT_GE(platform::contrastRatio(label->palette().color(QPalette::WindowText),
                                              label->palette().color(QPalette::Window)),
                      platform::kTextContrast)
                << label->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteTest, ::testing::ValuesIn(kPalettes),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace tarnel::ui::testing
