#include "platform/qt/form_painter.h"
#include "platform/qt/qt_desktop.h"
#include "qt_app.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zubble {
namespace {

using platform::Control;
using platform::FormPainter;

// Renders a level screen's client area as its window would, at a device-pixel
// ratio, and reads pixels back in logical coordinates.
class DrawingTest : public ::testing::TestWithParam<qreal> {
protected:
    testing::QtAppReady ready;
    platform::QtDesktop desktop;
    Game game{desktop};

    DrawingTest() { game.start(); }

    qreal ratio() const { return GetParam(); }

    QImage render(LevelScreen& screen)
    {
        QImage image(QSize(534, 425) * ratio(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio());
        image.fill(Qt::magenta);
        QPainter painter(&image);
        FormPainter(desktop.pictures()).paint(painter, screen.form, ratio());
        return image;
    }
    // The colour at logical pixel (x, y): the device pixel at its top-left.
    QColor at(const QImage& image, int x, int y) const
    {
        return image.pixelColor(int(x * ratio()), int(y * ratio()));
    }
    static QColor pictureAt(const char* resource, int x, int y)
    {
        return QImage(QString::fromLatin1(resource)).pixelColor(x, y);
    }
    // A client pixel that no visible object covers.
    static bool bare(LevelScreen& screen, int x, int y, bool backgroundCounts = false)
    {
        const float tx = float(x * 15 + 7), ty = float(y * 15 + 7);
        for (const Control* c : screen.form.frontToBack) {
            if (!c->Visible || (backgroundCounts && c == &screen.imgBack2))
                continue;
            if (tx >= c->Left - 30 && tx < c->Right() + 30 && ty >= c->Top - 30
                && ty < c->Bottom() + 30)
                return false;
        }
        return true;
    }
    static QPoint findBare(LevelScreen& screen, bool backgroundCounts = false)
    {
        for (int y = 20; y < 400; y += 7)
            for (int x = 20; x < 390; x += 7)
                if (bare(screen, x, y, backgroundCounts))
                    return {x, y};
        ADD_FAILURE() << "no bare board pixel";
        return {};
    }
};

TEST_P(DrawingTest, Level1ShowsItsPyramidsBehindTheBoard)
{
    const QPoint p = findBare(game.frmLevel1());
    const QImage image = render(game.frmLevel1());
    EXPECT_EQ(at(image, p.x(), p.y()), pictureAt(":/assets/window_level1.png", p.x(), p.y()));
}

TEST_P(DrawingTest, Level1ShowsTheSwirlWhenItsBackgroundIsShown)
{
    LevelScreen& s = game.frmLevel1();
    const QPoint p = findBare(s);
    render(s); // the cached scenery must notice the change
    s.imgBack2.Visible = true;
    const QImage image = render(s);
    EXPECT_EQ(at(image, p.x(), p.y()), pictureAt(":/assets/back2_level1.png", p.x(), p.y()));
}

TEST_P(DrawingTest, Level2ShowsItsCloudsBehindTheBoard)
{
    LevelScreen& s = game.frmLevel2();
    const QPoint p = findBare(s, true);
    const QImage image = render(s);
    EXPECT_EQ(at(image, p.x(), p.y()), pictureAt(":/assets/back2_level2.png", p.x(), p.y()));
}

// Wall 5 runs down the left edge, 135 twips: exactly 9 pixels, no more.
TEST_P(DrawingTest, WallsAreBlackAndCoverExactlyTheirTwips)
{
    const QImage image = render(game.frmLevel1());
    const int y = 300; // below wall 19, beside no other wall
    for (int x = 0; x <= 8; ++x)
        EXPECT_EQ(at(image, x, y), QColor(Qt::black)) << x;
    EXPECT_NE(at(image, 9, y), QColor(Qt::black));
    // The last device pixel of the wall and the first beyond it.
    const int lastDevice = int(9 * ratio()) - 1;
    EXPECT_EQ(image.pixelColor(lastDevice, int(y * ratio())), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(lastDevice + 1, int(y * ratio())), QColor(Qt::black));
}

TEST_P(DrawingTest, DotsAreWhiteWithADarkOutline)
{
    LevelScreen& s = game.frmLevel1();
    const QImage image = render(s);
    const QColor window = FormPainter::colour(Colour::of(SystemColour::WindowBackground));
    const QColor text = FormPainter::colour(Colour::of(SystemColour::WindowText));
    for (const platform::Shape* dot : {&s.shpCircle[30], &s.shpLarge[4]}) {
        const int left = int(dot->Left / 15), top = int(dot->Top / 15);
        const int size = int(dot->Width / 15);
        EXPECT_EQ(at(image, left + size / 2, top + size / 2), window);
        // The leftmost pixel of the middle row belongs to the outline.
        const QColor edge = image.pixelColor(int(left * ratio()), int((top + size / 2) * ratio()));
        EXPECT_LT(qAbs(edge.lightness() - text.lightness()), 60) << edge.name().toStdString();
    }
}

TEST_P(DrawingTest, EachGhostHasItsBodyColour)
{
    LevelScreen& s = game.frmLevel1();
    const QImage image = render(s);
    const QColor bodies[] = {{255, 0, 246}, {253, 1, 2}, {0, 255, 12}, {0, 255, 255}};
    for (int i = 0; i < 4; ++i) {
        const auto& g = s.imgGhost[i];
        EXPECT_EQ(at(image, int(g.Left / 15) + 16, int(g.Top / 15) + 16), bodies[i]) << i;
    }
    const auto& z = s.imgZubble;
    EXPECT_EQ(at(image, int(z.Left / 15) + 17, int(z.Top / 15) + 17), QColor(234, 214, 57));
}

// Around a sprite's body nothing of its picture is drawn: the wall under a
// ghost's transparent corner stays a wall.
TEST_P(DrawingTest, SpritesLeaveWhatIsUnderTheirCornersVisible)
{
    LevelScreen& s = game.frmLevel1();
    s.imgGhost[0].Left = 60; // the corner pixel (4, 4) lies on walls 5 and 6
    s.imgGhost[0].Top = 60;
    s.imgZubble.Left = 5880 - 100; // the player's corner over wall 13
    s.imgZubble.Top = 2880;
    const QImage image = render(s);
    EXPECT_EQ(at(image, 4, 4), QColor(Qt::black));
    EXPECT_EQ(at(image, 393, 192), QColor(Qt::black));
}

TEST_P(DrawingTest, LabelsDrawTheirTextOverThePanelWithoutABox)
{
    LevelScreen& s = game.frmLevel1();
    s.lblScore.Caption = "8";
    const QImage image = render(s);
    const int left = int(s.lblScore.Left / 15), top = int(s.lblScore.Top / 15);
    // A corner of the label's box shows the panel picture itself.
    EXPECT_EQ(at(image, left + 1, top + 1),
        pictureAt(":/assets/panel.png", left + 1 - 400, top + 1));
    // Somewhere in the middle of the box the digit is drawn dark.
    int dark = 0;
    const int middle = left + int(s.lblScore.Width / 30);
    for (int x = middle - 8; x <= middle + 8; ++x)
        for (int y = top; y < top + 33; ++y)
            dark += at(image, x, y).lightness() < 80 ? 1 : 0;
    EXPECT_GT(dark, 10);
}

// The five frame holders are drawn objects too, but below the client area:
// with the player hidden, no pixel of the player's yellow is left anywhere.
TEST_P(DrawingTest, FrameHoldersShowNowhereInTheClientArea)
{
    for (LevelScreen* s : {&game.frmLevel1(), &game.frmLevel2()}) {
        s->imgZubble.Visible = false;
        const QImage image = render(*s);
        int yellow = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                yellow += image.pixelColor(x, y) == QColor(234, 214, 57) ? 1 : 0;
        EXPECT_EQ(yellow, 0) << s->rules.formName;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, DrawingTest, ::testing::Values(1.0, 2.0));

// The panel's faces are asked for by name and fall back to a face that is on
// the machine, at the sizes asked for.
TEST(PanelFonts, AreSubstitutedAtTheirSizes)
{
    testing::QtAppReady ready;
    platform::QtDesktop desktop;
    const QFontInfo score(FormPainter::font(kScoreFont));
    const QFontInfo number(FormPainter::font(kPanelNumberFont));
    EXPECT_EQ(score.family(), "DejaVu Sans");
    EXPECT_EQ(number.family(), "DejaVu Sans");
    EXPECT_TRUE(score.bold());
    EXPECT_FALSE(number.bold());
    EXPECT_EQ(score.pixelSize(), 21); // 15.75 pt at 96 dots per inch
    EXPECT_EQ(number.pixelSize(), 48); // 36 pt
}

} // namespace
} // namespace zubble
