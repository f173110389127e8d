// Where the program puts the windows it places: a rectangle fitted into the screen's
// available area, the screen that holds a window, the first place of a dialog that covers
// no text (and the least text where every place covers some), and windows placed on the
// offscreen platform, whose windows have a frame of two pixels round them: on one screen,
// and on two side by side (CTest runs the two-screen cases on two such configurations;
// elsewhere they are skipped).
#include "framework/ui/DialogSize.h"
#include "framework/ui/ScreenPlace.h"
#include "tests/framework/QtTestApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
const QRect kScreen(0, 0, 2560, 1440);
const QRect kSmallScreen(0, 0, 1366, 768);

struct CFitCase
{
    const char* name;
    QRect rect;
    QRect area;
    QRect fitted;
};

TEST(FitInside, MovesAndShrinksTheRectangleOntoTheArea)
{
    const CFitCase cases[] = {
        {"inside stays", {100, 100, 300, 200}, kScreen, {100, 100, 300, 200}},
        // The filter editor of 1669 pixels centred on a main window 800 wide at the left.
        {"off the left edge", {-434, 214, 1669, 381}, kScreen, {0, 214, 1669, 381}},
        // A dialog beside a main window whose title bar is above the screen.
        {"title bar above the top", {801, -20, 322, 684}, kScreen, {801, 0, 322, 684}},
        {"past the bottom right", {2400, 1300, 322, 684}, kScreen, {2238, 756, 322, 684}},
        {"wider and higher than the area", {-10, 40, 1669, 900}, kSmallScreen, {0, 0, 1366, 768}},
        {"an area that does not start at the origin",
         {0, 0, 200, 100},
         {1366, 24, 1366, 744},
         {1366, 24, 200, 100}},
    };
    for (const CFitCase& c : cases)
        EXPECT_EQ(FitInside(c.rect, c.area), c.fitted) << c.name;
}

TEST(FitInside, LeavesTheRectangleAsItIsWithoutAnArea)
{
    EXPECT_EQ(FitInside({-5, -5, 100, 100}, QRect()), QRect(-5, -5, 100, 100));
}

struct CHoldingCase
{
    const char* name;
    QRect frame;
    std::vector<QRect> screens;
    int owner;
    int holding;
};

const QRect kLeft(0, 0, 1920, 1080);
const QRect kRight(1920, 0, 1920, 1080);

TEST(ScreenHolding, IsTheScreenWithMostOfTheFrameThenTheOneUnderItsPlaceThenTheOwners)
{
    const std::vector<QRect> two = {kLeft, kRight};
    const std::vector<QRect> unequal = {{0, 0, 2560, 1440}, {2560, 0, 1366, 768}};
    const CHoldingCase cases[] = {
        {"wholly on the other screen", {2000, 200, 1671, 400}, two, 0, 1},
        {"wholly on the owner's", {249, 200, 1671, 400}, two, 0, 0},
        {"mostly on the other screen", {1800, 200, 304, 204}, two, 0, 1},
        {"mostly on the owner's", {1700, 200, 304, 204}, two, 1, 0},
        {"halves, its place on the owner's", {1768, 200, 304, 204}, two, 0, 0},
        {"halves, its place on the screen that is not the owner's",
         {1768, 200, 304, 204},
         two,
         1,
         0},
        {"halves, its place on neither", {1768, -100, 304, 400}, two, 1, 1},
        {"halves, its place on neither, the other owner", {1768, -100, 304, 400}, two, 0, 0},
        {"a frame of no size at its place", {2400, 150, 0, 0}, two, 0, 1},
        {"off both screens", {4000, 200, 300, 200}, two, 0, -1},
        {"above both screens", {100, -300, 300, 200}, two, 1, -1},
        {"below the lower screen, beside the higher", {2700, 900, 300, 200}, unequal, 0, -1},
        {"partly below the lower screen", {2700, 700, 300, 200}, unequal, 0, 1},
        {"mostly beside the lower screen", {2400, 700, 300, 200}, unequal, 1, 0},
        {"screens left of the origin",
         {-1500, 100, 300, 200},
         {{-1920, 0, 1920, 1080}, kLeft},
         1,
         0},
        {"mirrored screens", {100, 100, 300, 200}, {kLeft, kLeft}, 1, 1},
        {"no screen", {100, 100, 300, 200}, {}, -1, -1},
    };
    for (const CHoldingCase& c : cases)
        EXPECT_EQ(ScreenHolding(c.frame, c.screens, c.owner), c.holding) << c.name;
}

// A plot's corner at (300, 100), a main window's frame of 800 by 825 at (-1, -20), and
// texts: an axis's values along x 250..290 and the input axis under the plot.
const std::vector<QRect> kTexts = {{250, 100, 40, 600}, {300, 700, 500, 30}};
const QSize kDialog(322, 684);

TEST(LeastCoveringPlace, TakesTheFirstPreferredPlaceOnTheAreaThatCoversNoText)
{
    const std::vector<QPoint> places = {{300, 100}, {801, 0}, {0, 825}};
    // The corner covers the input axis (684 high from y 100): passed over for the place
    // beside the window.
    EXPECT_EQ(LeastCoveringPlace(kDialog, places, kTexts, kScreen, {300, 100}), QPoint(801, 0));
    // A dialog low enough for the corner stays there.
    EXPECT_EQ(LeastCoveringPlace({322, 500}, places, kTexts, kScreen, {300, 100}),
              QPoint(300, 100));
}

TEST(LeastCoveringPlace, PassesOverAPreferredPlaceThatLeavesTheArea)
{
    // Beside the window with the title bar above the screen, then to its left, off the
    // screen: the place below it is the first on the screen.
    const std::vector<QPoint> places = {{801, -20}, {-323, -20}, {0, 806}};
    EXPECT_EQ(LeastCoveringPlace({322, 500}, places, kTexts, kScreen, {300, 100}), QPoint(0, 806));
}

TEST(LeastCoveringPlace, FindsAFreePlaceNearTheCornerWhenNoPreferredPlaceIsFree)
{
    // On a screen the window fills, with the whole width but a strip at the right free.
    const QRect area(0, 0, 1366, 768);
    const std::vector<QRect> texts = {{0, 0, 1000, 768}};
    const std::vector<QPoint> places = {{1367, 0}, {-323, 0}};
    const QPoint place = LeastCoveringPlace({322, 300}, places, texts, area, {300, 100});
    EXPECT_GE(place.x(), 1000);
    EXPECT_TRUE(area.contains(QRect(place, QSize(322, 300))));
    // Nearest to the corner among the free places: as high as the corner.
    EXPECT_LE(std::abs(place.y() - 100), 8);
}

TEST(LeastCoveringPlace, CoversTheLeastTextWhereEveryPlaceCoversSome)
{
    // Texts all over the screen but for a region with one small text in it.
    const QRect area(0, 0, 1000, 800);
    const std::vector<QRect> texts = {{0, 0, 1000, 400}, {0, 400, 400, 400}, {700, 700, 20, 20}};
    const QPoint place = LeastCoveringPlace({300, 300}, {}, texts, area, {0, 0});
    const QRect there(place, QSize(300, 300));
    EXPECT_TRUE(area.contains(there));
    EXPECT_GE(there.top(), 400);
    EXPECT_GE(there.left(), 400);
    EXPECT_FALSE(there.intersects(texts[2]));
}

// A main window and a tool window of its own on the offscreen platform (a screen of 800 by
// 800 pixels; frames of 2 pixels on every side).
class ScreenPlaceWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        pMain = std::make_unique<QWidget>();
        pMain->setGeometry(0, 0, 400, 300);
        pMain->show();
        Settle();
        tool = new QWidget(pMain.get(), Qt::Tool);
    }
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QRect Area() const { return pMain->screen()->availableGeometry(); }

    std::unique_ptr<QWidget> pMain;
    QWidget* tool = nullptr;
};

TEST_F(ScreenPlaceWindowTest, AWindowPlacedOffTheScreenOpensWhollyOnItFrameIncluded)
{
    const QMargins margins = FrameMargins(*tool);
    EXPECT_EQ(margins, FrameMargins(*pMain)) << "counted with its owner's frame before it has one";
    PlaceFrame(*tool, QRect(QPoint(-200, -10), QSize(300, 200) + QSize(4, 4)));
    tool->show();
    Settle();
    EXPECT_TRUE(Area().contains(tool->frameGeometry()))
        << tool->frameGeometry().x() << "," << tool->frameGeometry().y() << " "
        << tool->geometry().x() << "," << tool->geometry().y() << " " << tool->width() << "x"
        << tool->height();
    EXPECT_EQ(tool->frameGeometry().topLeft(), Area().topLeft());
    EXPECT_EQ(tool->frameGeometry().size(), QSize(304, 204));
}

TEST_F(ScreenPlaceWindowTest, AWindowLargerThanTheScreenIsMadeToFitIt)
{
    tool->setMinimumSize(1200, 900);
    PlaceFrame(*tool, QRect(QPoint(100, 100), QSize(1204, 904)));
    tool->show();
    Settle();
    EXPECT_TRUE(Area().contains(tool->frameGeometry()));
    EXPECT_EQ(tool->frameGeometry().size(), Area().size());
}

TEST_F(ScreenPlaceWindowTest, AWindowMovedOffTheScreenIsPutBackWhenKeptOnIt)
{
    tool->resize(300, 200);
    tool->show();
    Settle();
    tool->move(Area().right() - 50, Area().bottom() - 20);
    Settle();
    KeepOnScreen(*tool);
    Settle();
    EXPECT_TRUE(Area().contains(tool->frameGeometry()));
    EXPECT_EQ(tool->frameGeometry().bottomRight(), Area().bottomRight());
    // One on the screen stays where it is.
    tool->move(120, 80);
    Settle();
    KeepOnScreen(*tool);
    EXPECT_EQ(tool->pos(), QPoint(120, 80));
}
TEST_F(ScreenPlaceWindowTest, AWindowPlacedWithoutItsFrameIsCheckedAgainOnceFramed)
{
    // Its owner hidden, nothing tells the frame's size before the window is shown: placed
    // in the screen's bottom right corner, its frame reaches past it once it is shown.
    pMain->hide();
    Settle();
    ASSERT_EQ(FrameMargins(*tool), QMargins());
    PlaceFrame(*tool, QRect(Area().bottomRight() - QPoint(299, 199), QSize(300, 200)));
    tool->show();
    Settle();
    EXPECT_NE(FrameMargins(*tool), QMargins());
    EXPECT_TRUE(Area().contains(tool->frameGeometry()))
        << tool->frameGeometry().x() << "," << tool->frameGeometry().y();
}

// The same on two screens side by side (CTest gives this program two configurations): the
// main window on the first, the left one.
class ScreenPlaceTwoScreensTest : public ScreenPlaceWindowTest
{
protected:
    void SetUp() override
    {
        ScreenPlaceWindowTest::SetUp();
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            GTEST_SKIP() << "one screen";
        left = screens[0]->availableGeometry();
        right = screens[1]->availableGeometry();
        ASSERT_EQ(pMain->screen(), screens[0]);
        ASSERT_EQ(right.left(), left.right() + 1) << "side by side";
        tool->resize(300, 200);
    }
    // Shown, moved by the user (as a window manager moves a window), hidden and shown
    // again, and kept on the screen as the program's tool windows are when shown.
    void MoveAndShowAgain(const QPoint& place)
    {
        tool->show();
        Settle();
        tool->move(place);
        Settle();
        tool->hide();
        tool->show();
        KeepOnScreen(*tool);
        Settle();
    }
    QRect Frame() const { return tool->frameGeometry(); }

    QRect left, right;
};

TEST_F(ScreenPlaceTwoScreensTest, AWindowMovedOntoTheOtherScreenStaysThere)
{
    const QPoint place = right.topLeft() + QPoint(80, 200);
    MoveAndShowAgain(place);
    EXPECT_EQ(Frame().topLeft(), place);
    // Put there again as a kept place.
    PlaceFrame(*tool, QRect(place, Frame().size()));
    Settle();
    EXPECT_EQ(Frame().topLeft(), place);
    EXPECT_EQ(tool->screen(), QGuiApplication::screens()[1]);
}

struct CMovedCase
{
    const char* name;
    QPoint place;    // the frame's top left, from the right screen's top left
    QPoint expected; // likewise, once shown again
    bool bOnRight;   // else on the left screen
};

TEST_F(ScreenPlaceTwoScreensTest, AWindowPartlyOffAScreenComesBackOnTheScreenThatHoldsMostOfIt)
{
    const CMovedCase cases[] = {
        {"across the edge between them, mostly right", {-100, 300}, {0, 300}, true},
        {"across the edge between them, mostly left", {-250, 300}, {-304, 300}, false},
        {"off the right screen's far edge",
         {right.width() - 100, 300},
         {right.width() - 304, 300},
         true},
        {"off the right screen's bottom",
         {500, right.height() - 50},
         {500, right.height() - 204},
         true},
        {"above the right screen", {500, -150}, {500, 0}, true},
    };
    for (const CMovedCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MoveAndShowAgain(right.topLeft() + c.place);
        const QRect area = c.bOnRight ? right : left;
        EXPECT_TRUE(area.contains(Frame())) << Frame().x() << "," << Frame().y();
        EXPECT_EQ(Frame().topLeft(), right.topLeft() + c.expected);
    }
}

TEST_F(ScreenPlaceTwoScreensTest, AWindowOnNoScreenIsPulledOntoItsOwnersScreen)
{
    // Beyond the right screen's far edge, and below the screens.
    for (const QPoint& place :
         {right.topRight() + QPoint(40, 300),
          QPoint(right.left() + 200, std::max(left.bottom(), right.bottom()) + 40)})
    {
        MoveAndShowAgain(place);
        EXPECT_TRUE(left.contains(Frame())) << Frame().x() << "," << Frame().y();
    }
}

TEST_F(ScreenPlaceTwoScreensTest, AWindowLargerThanTheOtherScreenIsMadeToFitThatScreen)
{
    tool->setMinimumSize(right.size() + QSize(100, 100));
    PlaceFrame(*tool, QRect(right.topLeft() + QPoint(20, 20), right.size() + QSize(104, 104)));
    tool->show();
    Settle();
    EXPECT_EQ(Frame(), right);
}

TEST_F(ScreenPlaceTwoScreensTest, AFirstPlaceStaysOnTheOwnersScreen)
{
    // Centred on a point of the right screen, as a frame centred on a main window that
    // reaches across the edge would be.
    QRect frame(QPoint(), QSize(304, 204));
    frame.moveCenter(right.topLeft() + QPoint(60, 300));
    PlaceFirst(*tool, frame);
    tool->show();
    Settle();
    EXPECT_TRUE(left.contains(Frame())) << Frame().x() << "," << Frame().y();
    EXPECT_EQ(Frame().topRight(), QPoint(left.right(), frame.top()));
}

// A window and its tabs on every screen of the configuration (CTest runs this on screens of
// several sizes, side by side, one above the other and three together): a window moved
// partly off any edge of any screen and shown again lies wholly on the screen that holds
// most of it, and its tabs stay in reach at the width it gets there.
class ScreenPlaceEveryScreenTest : public ScreenPlaceWindowTest
{
protected:
    void SetUp() override
    {
        ScreenPlaceWindowTest::SetUp();
        for (const QScreen* screen : QGuiApplication::screens())
            areas.push_back(screen->availableGeometry());
    }
    // Shown, moved by the user, hidden and shown again, kept on the screen as the program's
    // windows are when shown.
    void MoveAndShowAgain(const QPoint& place)
    {
        tool->show();
        Settle();
        tool->move(place);
        Settle();
        tool->hide();
        tool->show();
        KeepOnScreen(*tool);
        Settle();
    }
    // The index of the screen the frame lies wholly on; -1 for none.
    int AreaHolding(const QRect& frame) const
    {
        for (int i = 0; i < int(areas.size()); ++i)
            if (areas[i].contains(frame))
                return i;
        return -1;
    }

    std::vector<QRect> areas;
};

std::string Describe(const QRect& r)
{
    return "(" + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ") " +
           std::to_string(r.width()) + "x" + std::to_string(r.height());
}

TEST_F(ScreenPlaceEveryScreenTest, AWindowPartlyOffAnyEdgeOfAnyScreenComesBackWhollyOnIt)
{
    tool->resize(300, 200);
    for (int s = 0; s < int(areas.size()); ++s)
    {
        const QRect area = areas[s];
        const QSize frame(304, 204);
        // A third of the frame past each edge, and past each corner: most of it stays on the
        // screen (where no other screen lies beyond, the window is pulled back onto it).
        const int dx = frame.width() / 3, dy = frame.height() / 3;
        const QPoint places[] = {
            {area.right() + 1 - frame.width() + dx, area.top() + 100},
            {area.left() - dx, area.top() + 100},
            {area.left() + 100, area.top() - dy},
            {area.left() + 100, area.bottom() + 1 - frame.height() + dy},
            {area.right() + 1 - frame.width() + dx, area.bottom() + 1 - frame.height() + dy},
            {area.left() - dx, area.top() - dy},
        };
        for (const QPoint& place : places)
        {
            const QRect left(place, frame);
            SCOPED_TRACE("screen " + std::to_string(s) + " " + Describe(areas[s]) + ", left at " +
                         Describe(left));
            MoveAndShowAgain(place);
            const QRect shown = tool->frameGeometry();
            const int on = AreaHolding(shown);
            ASSERT_GE(on, 0) << "frame " << Describe(shown) << " on no screen wholly";
            // On the screen that held most of it as it was left.
            long long most = 0;
            int holding = -1;
            for (int i = 0; i < int(areas.size()); ++i)
                if (const QRect common = areas[i].intersected(left);
                    !common.isEmpty() &&
                    static_cast<long long>(common.width()) * common.height() > most)
                {
                    most = static_cast<long long>(common.width()) * common.height();
                    holding = i;
                }
            EXPECT_EQ(on, holding) << "frame " << Describe(shown);
            EXPECT_EQ(shown.size(), frame);
            // Moved no further than it has to be: it keeps the edge it did not leave.
            if (left.left() >= areas[on].left() && left.right() <= areas[on].right())
            {
                EXPECT_EQ(shown.left(), left.left());
            }
            if (left.top() >= areas[on].top() && left.bottom() <= areas[on].bottom())
            {
                EXPECT_EQ(shown.top(), left.top());
            }
        }
    }
}

// A tool window of seventeen tabs, as the filter editor has.
QTabWidget* AddTabs(QWidget& window)
{
    auto* tabs = new QTabWidget(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    for (int i = 0; i < 17; ++i)
        tabs->addTab(new QWidget, QString("Filter page %1").arg(i + 1));
    return tabs;
}

// Every tab can be reached: all lie in the bar, or the bar scrolls to them.
::testing::AssertionResult EveryTabInReach(const QTabWidget& tabs)
{
    if (tabs.usesScrollButtons())
        return ::testing::AssertionSuccess();
    const QTabBar& bar = *tabs.tabBar();
    for (int i = 0; i < tabs.count(); ++i)
        if (bar.tabRect(i).right() >= bar.width() || bar.tabRect(i).right() >= tabs.width())
            return ::testing::AssertionFailure()
                   << "tab " << i + 1 << " ends at " << bar.tabRect(i).right() << " in a bar "
                   << bar.width() << " wide, without scroll arrows";
    return ::testing::AssertionSuccess();
}

TEST_F(ScreenPlaceEveryScreenTest, EveryTabStaysInReachOnEveryScreen)
{
    QTabWidget* tabs = AddTabs(*tool);
    ShowEveryTab(*tool, *tabs);
    const int allTabs = tabs->tabBar()->sizeHint().width();
    for (int s = 0; s < int(areas.size()); ++s)
    {
        SCOPED_TRACE("screen " + std::to_string(s) + " " + Describe(areas[s]));
        // Put on the screen at the width the window asks for, as a window moved there
        // opens again.
        PlaceFrame(*tool, QRect(areas[s].topLeft() + QPoint(10, 10), FrameSize(*tool)));
        tool->show();
        Settle();
        EXPECT_TRUE(areas[s].contains(tool->frameGeometry())) << Describe(tool->frameGeometry());
        EXPECT_TRUE(EveryTabInReach(*tabs));
        EXPECT_EQ(tabs->usesScrollButtons(), allTabs > tabs->width());
        tool->hide();
    }
}

TEST_F(ScreenPlaceWindowTest, TheTabsScrollWhereTheWindowIsMadeNarrowerThanThemAndNotWhereItIsWider)
{
    QTabWidget* tabs = AddTabs(*tool);
    ShowEveryTab(*tool, *tabs);
    tool->setMinimumWidth(100);
    tool->show();
    Settle();
    const int allTabs = tabs->tabBar()->sizeHint().width();
    for (const int width : {allTabs + 40, allTabs / 2, 300, allTabs + 10, 200})
    {
        SCOPED_TRACE("width " + std::to_string(width));
        tool->resize(width, 300);
        Settle();
        EXPECT_TRUE(EveryTabInReach(*tabs));
        EXPECT_EQ(tabs->usesScrollButtons(), allTabs > tabs->width())
            << tabs->tabBar()->sizeHint().width() << " " << tabs->width() << " "
            << tabs->tabBar()->width();
    }
}
} // namespace
