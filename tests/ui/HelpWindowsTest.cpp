// The about and help windows, opened from the Help menu.
#include "support/UiFixture.h"
#include "ui/ProgramIcon.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace tarnel::ui::testing {
namespace {

class HelpWindowsTest : public WindowFixture
{
protected:
    HelpWindowsTest()
    {
        window->openHelp = &frmHelp::showOver;
        window->openAbout = &frmAbout::showOver;
    }

    // Chooses `item` and runs `inspect` on the modal window it opens; the
    // inspection must close the window.
    template <typename Window>
    void openAndInspect(MenuItem item, const std::function<void(Window*)>& inspect)
    {
        choose(item); // returns with the window open: no loop of its own
        QPointer<Window> dialog = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inspect(dialog);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window was closed";
        EXPECT_TRUE(eventually([&] { return dialog.isNull(); })) << "and is gone";
    }
};

TEST_F(HelpWindowsTest, AboutShowsTitleAndVersionEveryTimeAndClosesOnEnterAndEsc)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        openAndInspect<frmAbout>(MenuItem::mnuHelpAbout, [&](frmAbout* about) {
            EXPECT_EQ(about->windowTitle(), "About Tarnel");
            EXPECT_EQ(about->size(), QSize(306, 164));
            EXPECT_EQ(about->parentWidget(), window);
            EXPECT_TRUE(about->isModal());
            EXPECT_TRUE(hasFixedBorder(about));
            EXPECT_EQ(about->lblTitle()->text(), "Tarnel");
            EXPECT_EQ(about->lblVersion()->text(), "Version 1.0.10");
            EXPECT_EQ(about->lblDescription()->text(), "Freeware ... have fun");
            EXPECT_FALSE(about->Label1()->text().isEmpty());
            EXPECT_EQ(about->cmdOK()->text(), "OK");
            EXPECT_EQ(about->cmdOK()->geometry(), QRect(115, 126, 77, 23));
            EXPECT_TRUE(about->cmdOK()->isDefault());
            EXPECT_EQ(about->focusWidget(), about->cmdOK());
            EXPECT_EQ(about->picIcon()->geometry(), QRect(16, 7, 36, 36));
            // One icon for every window, built once: a fresh copy per
            // opening would fill Qt's image cache.
            EXPECT_EQ(about->windowIcon().cacheKey(), programIcon().cacheKey());
            // The etched separator: grey over white.
            const QImage image = about->grab().toImage();
            EXPECT_EQ(image.pixelColor(150, 113), QColor(0x80, 0x80, 0x80));
            EXPECT_EQ(image.pixelColor(150, 114), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(150, 115), QColor(Qt::white));
            QTest::keyClick(about, key);
        });
    }
}

TEST_F(HelpWindowsTest, HelpShowsTheRulesLetterForLetter)
{
    openAndInspect<frmHelp>(MenuItem::mnuHelpContents, [&](frmHelp* help) {
        EXPECT_EQ(help->windowTitle(), "Tarnel help");
        EXPECT_EQ(help->size(), QSize(402, 264));
        EXPECT_TRUE(help->isModal());
        EXPECT_TRUE(hasFixedBorder(help));
        EXPECT_EQ(help->Label1()->text(), "Every button gives the player 1 point");
        EXPECT_EQ(help->Label2()->text(),
                  "When a button is choosen by a player, every button on the point side that was "
                  "already choosen before by that player gives that player an aditional 2 points");
        EXPECT_EQ(help->Label3()->text(),
                  "When a button is choosen by a player, every button on the long side that was "
                  "already choosen before by that player gives that player an aditional 4 points");
        EXPECT_EQ(help->Knop(0)->geometry(), QRect(14, 14, 34, 34));
        EXPECT_EQ(help->Knop(1)->geometry(), QRect(49, 63, 34, 34));
        EXPECT_EQ(help->Knop(5)->geometry(), QRect(14, 98, 34, 34));
        EXPECT_EQ(help->Knop(2)->geometry(), QRect(14, 154, 34, 34));
        EXPECT_EQ(help->Knop(3)->geometry(), QRect(14, 189, 34, 34));
        EXPECT_EQ(help->Knop(4), nullptr) << "there is no drawing button 4";
        // Every label shows its whole text.
        for (QLabel* label : {help->Label1(), help->Label2(), help->Label3()}) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << label->objectName().toStdString();
        }
        // Plain dark-red squares.
        const QImage image = help->grab().toImage();
        EXPECT_EQ(image.pixelColor(31, 31), QColor(0xC0, 0x00, 0x00));
        EXPECT_EQ(help->focusWidget(), help->OKButton());
        help->OKButton()->click();
    });
}

TEST_F(HelpWindowsTest, TheGameGoesOnUnderTheHelpWindow)
{
    // Human vs computer: the computer's reply comes while the help is open.
    clickCell(0);
    openAndInspect<frmHelp>(MenuItem::mnuHelpContents, [&](frmHelp* help) {
        EXPECT_TRUE(eventually([&] { return app->game().state().CurrentPlayer == 0; }, 2000));
        help->OKButton()->click();
    });
    EXPECT_EQ(countOwner(Picture::yellow), 1);
}

} // namespace
} // namespace tarnel::ui::testing
