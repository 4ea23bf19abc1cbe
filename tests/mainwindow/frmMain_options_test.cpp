// The options panel, the guide line on the picture and the overview of all parcels.

#include "tests/mainwindow/mainwindowtesting.h"

#include "draw/widget/picturebox.h"
#include "mainwindow/frmMap.h"
#include "mainwindow/guideline.h"
#include "mainwindow/treeimages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

using mainwindowtesting::MainWindowTest;

namespace {

model::Ring ring(std::initializer_list<std::pair<double, double>> points)
{
    model::Ring r;
    int k = 0;
    for (const auto &[x, y] : points) {
        model::BoundaryPoint b;
        b.Index = ++k;
        b.X = x;
        b.Y = y;
        r.Add(b);
    }
    return r;
}

model::Parcel rect(double x0, double y0, double x1, double y1)
{
    model::Parcel p;
    p.NM = QStringLiteral("Власник");
    p.Points = ring({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
    return p;
}

void send(QWidget *target, QEvent::Type type, QPointF pos, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

/// The box around every pixel that is not the back colour.
QRect drawnBox(const QImage &img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != QColor(Qt::white))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

int countColour(const QImage &img, QColor c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

const QColor ParcelColour(142, 193, 241);
const QColor LandUseColour(97, 233, 196);

} // namespace

TEST_F(MainWindowTest, CheckBoxesSetTheirDrawingFlagsAndGreyCountsAsChecked)
{
    open();
    mainwindow::State &s = mainwindow::state();
    const struct {
        const char *box;
        bool mainwindow::State::*flag;
    } boxes[] = {{"chGroup", &mainwindow::State::GroupMode}, {"chLen", &mainwindow::State::ShowLengths},
                 {"chPoint", &mainwindow::State::ShowPointNumbers}, {"chSm", &mainwindow::State::ShowNeighbours},
                 {"chUgd", &mainwindow::State::ShowLandUse}};
    for (const auto &b : boxes) {
        QCheckBox *c = control<QCheckBox>(b.box);
        c->setTristate(true);
        for (const auto &[state, want] : {std::pair{Qt::Unchecked, false}, std::pair{Qt::PartiallyChecked, true},
                                          std::pair{Qt::Checked, true}, std::pair{Qt::Unchecked, false}}) {
            c->setCheckState(state);
            EXPECT_EQ(s.*b.flag, want) << b.box << " state " << state;
        }
    }
}

TEST_F(MainWindowTest, ListsAndOptionButtonsSetTheirVariables)
{
    frmMain &w = open();
    model::state().Parcels.Add(rect(0, 0, 10, 10));
    w.UpdateDataControls();
    mainwindow::State &s = mainwindow::state();

    const struct {
        const char *combo;
        uint8_t mainwindow::State::*var;
        int count;
    } lists[] = {{"cmbZova", &mainwindow::State::ZovaVariant, 8}, {"cmbWho", &mainwindow::State::WhoChoice, 2},
                 {"cmbZberig", &mainwindow::State::StorageChoice, 3}};
    for (const auto &l : lists) {
        QComboBox *c = control<QComboBox>(l.combo);
        ASSERT_EQ(c->count(), l.count) << l.combo;
        for (int i = l.count - 1; i >= 0; --i) {
            c->setCurrentIndex(i);
            EXPECT_EQ(s.*l.var, i + 1) << l.combo << " entry " << i;
        }
    }

    control<QRadioButton>("optArea_1")->click();
    EXPECT_EQ(s.AreaUnit, 1);
    control<QRadioButton>("optArea_0")->click();
    EXPECT_EQ(s.AreaUnit, 0);

    QComboBox *mash = control<QComboBox>("cmbMash");
    EXPECT_FALSE(mash->isEnabled());
    control<QRadioButton>("OPtMash_1")->click();
    EXPECT_TRUE(mash->isEnabled());
    control<QRadioButton>("OPtMash_0")->click();
    EXPECT_FALSE(mash->isEnabled());

    // The purpose list: the name and the identifier of the chosen entry, and its edit button.
    QComboBox *cil = control<QComboBox>("cmbCil");
    ASSERT_GE(cil->count(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(cil->currentIndex(), -1);
    EXPECT_FALSE(control("bEdit")->isEnabled());
    EXPECT_TRUE(reference::state().PurposeName.isEmpty()); // the fill chose nothing
    cil->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(reference::state().PurposeName, cil->itemText(1));
    EXPECT_EQ(reference::state().PurposeId, cil->itemData(1).toInt());
    EXPECT_TRUE(control("bEdit")->isEnabled());

    // An identifier beyond 16 bits keeps the previous purpose, name and identifier together.
    cil->addItem(QStringLiteral("Завеликий номер"), 40000);
    cil->setCurrentIndex(cil->count() - 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(reference::state().PurposeName, cil->itemText(1));
    EXPECT_EQ(reference::state().PurposeId, cil->itemData(1).toInt());
}

TEST_F(MainWindowTest, DocumentKindSwitchesPaperPlanVariantAndStorage)
{
    frmMain &w = open();
    model::state().Parcels.Add(rect(0, 0, 10, 10));
    w.UpdateDataControls();
    mainwindow::State &s = mainwindow::state();
    QComboBox *zova = control<QComboBox>("cmbZova");
    QComboBox *zberig = control<QComboBox>("cmbZberig");
    QComboBox *type = control<QComboBox>("cmbType");

    const struct {
        int kind;
        bool paper;
        bool plans;
        uint8_t variant;
        uint8_t storage;
    } cases[] = {
        {2, false, false, 1, 3}, // preliminary approval: its own paper and plan
        {4, true, false, 1, 2},  // acts on land shares are kept by the council
        {3, true, false, 1, 2},
        {6, true, false, 1, 1},  // the new act: the land-resources office
        {5, true, false, 1, 3},  // documentation leaves the storage as it was
        {1, true, false, 1, 3},
        {0, true, true, 4, 3},   // back to the cadastral plan: the list as it stands
    };
    for (const auto &c : cases) {
        control<QRadioButton>("Opt_0")->click();
        zova->setCurrentIndex(3);
        zberig->setCurrentIndex(2);
        if (c.kind == 0)
            control<QRadioButton>("Opt_1")->click(), zova->setCurrentIndex(3);
        control<QRadioButton>(QStringLiteral("Opt_%1").arg(c.kind).toLatin1().constData())->click();
        EXPECT_EQ(type->isEnabled(), c.paper) << "kind " << c.kind;
        EXPECT_EQ(zova->isEnabled(), c.plans) << "kind " << c.kind;
        EXPECT_EQ(s.ZovaVariant, c.variant) << "kind " << c.kind;
        EXPECT_EQ(s.StorageChoice, c.storage) << "kind " << c.kind;
    }

    // A new load keeps the paper list off while the approval plan is chosen.
    control<QRadioButton>("Opt_2")->click();
    w.UpdateDataControls();
    EXPECT_FALSE(type->isEnabled());
}

TEST_F(MainWindowTest, GuideLineFollowsTheMouseOnlyInItsMode)
{
    frmMain &w = open();
    w.resize(1280, 800);
    w.show();
    QWidget *pict = control("pict");
    auto *line = control<mainwindow::GuideLine>("lDir");
    QToolButton *split = control<QToolButton>("bSplit");
    EXPECT_TRUE(sameIcon(split->icon(), mainwindow::SplitIcon(2)));

    // Mode off: nothing shows or moves.
    send(pict, QEvent::MouseButtonPress, {30, 40}, Qt::LeftButton);
    send(pict, QEvent::MouseMove, {50, 60}, Qt::NoButton);
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(line->first(), QPoint());
    EXPECT_EQ(line->second(), QPoint());

    split->click();
    EXPECT_TRUE(mainwindow::state().MeasureMode);
    EXPECT_TRUE(sameIcon(split->icon(), mainwindow::SplitIcon(1)));
    // Positions in whole pixels, halves to the even neighbour; any button starts the line.
    send(pict, QEvent::MouseButtonPress, {10.4, 20.5}, Qt::RightButton);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->first(), QPoint(10, 20));
    send(pict, QEvent::MouseMove, {11.5, 3.5}, Qt::NoButton);
    EXPECT_EQ(line->second(), QPoint(12, 4));
    send(pict, QEvent::MouseButtonRelease, {11.5, 3.5}, Qt::RightButton);
    EXPECT_FALSE(line->isVisible());
    // After the release the hidden line keeps following the mouse.
    send(pict, QEvent::MouseMove, {100, 90}, Qt::NoButton);
    EXPECT_EQ(line->second(), QPoint(100, 90));
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(line->geometry(), pict->rect());
    // While shown, the line is seen over the picture.
    send(pict, QEvent::MouseButtonPress, {20, 30}, Qt::LeftButton);
    send(pict, QEvent::MouseMove, {120, 30}, Qt::NoButton);
    const QImage seen = pict->grab().toImage();
    int marked = 0;
    for (int x = 20; x <= 120; ++x)
        marked += seen.pixelColor(x, 30) != QColor(Qt::white);
    EXPECT_GT(marked, 30);
    send(pict, QEvent::MouseButtonRelease, {120, 30}, Qt::LeftButton);

    split->click();
    EXPECT_FALSE(mainwindow::state().MeasureMode);
    EXPECT_TRUE(sameIcon(split->icon(), mainwindow::SplitIcon(2)));
    send(pict, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(line->first(), QPoint(20, 30));
}

TEST_F(MainWindowTest, OverviewFitsOneParcelCentredAndSpanningThePicture)
{
    frmMain &w = open();
    // 60 m north by 200 m east: the east extent is the larger relative one in a 720 x 560 picture.
    model::state().Parcels.Add(rect(1000, 2000, 1060, 2200));
    w.UpdateDataControls();
    control<QToolButton>("bMap")->click();
    frmMap *map = w.mapWindow();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("Загальний вигляд"));
    EXPECT_TRUE(map->isVisible());
    const QImage img = map->picture()->image();
    const QRect box = drawnBox(img);
    EXPECT_NEAR(box.width(), img.width() - 25, 3);
    EXPECT_NEAR(box.center().x(), img.width() / 2.0, 2);
    EXPECT_NEAR(box.center().y(), img.height() / 2.0, 2);
    EXPECT_NEAR(double(box.height()) / box.width(), 60.0 / 200.0, 0.02);
    EXPECT_EQ(img.pixelColor(box.center()), ParcelColour);
    // No point markers on the overview: the corners show the frame, not white.
    EXPECT_NE(img.pixelColor(box.topLeft() + QPoint(3, 3)), QColor(Qt::white));

    // A second press brings the same window forward without a new one.
    control<QToolButton>("bMap")->click();
    EXPECT_EQ(w.mapWindow(), map);
    map->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.mapWindow(), nullptr);
}

TEST_F(MainWindowTest, OverviewShowsEveryParcelWithItsLandUseAtOneScale)
{
    frmMain &w = open();
    // Two parcels that do not touch, 100 m apart east to west; the first with a land-use area.
    model::Parcel a = rect(0, 0, 100, 100);
    model::LandUseArea lu;
    lu.Points = ring({{10, 10}, {40, 10}, {40, 40}, {10, 40}});
    a.LandUses.Add(lu);
    model::state().Parcels.Add(a);
    model::state().Parcels.Add(rect(0, 200, 100, 300));
    w.UpdateDataControls();
    control<QToolButton>("bMap")->click();
    const QImage img = w.mapWindow()->picture()->image();
    const QRect box = drawnBox(img);
    const double metre = box.width() / 300.0;
    auto at = [&](double x, double y) {
        return img.pixelColor(int(box.left() + y * metre), int(box.bottom() - x * metre));
    };
    EXPECT_EQ(at(25, 25), LandUseColour);
    EXPECT_EQ(at(75, 75), ParcelColour);
    EXPECT_EQ(at(50, 150), QColor(Qt::white)); // the gap between them
    EXPECT_EQ(at(50, 250), ParcelColour);
    // The same scale for both: the two squares have one size.
    EXPECT_NEAR(double(box.height()) / box.width(), 1.0 / 3.0, 0.02);
}

TEST_F(MainWindowTest, OverviewWithoutAnythingToFitIsEmpty)
{
    frmMain &w = open();
    model::state().Parcels.Add(rect(0, 0, 0, 100)); // every point on one line of equal X
    control<QToolButton>("bMap")->setEnabled(true);
    control<QToolButton>("bMap")->click();
    ASSERT_NE(w.mapWindow(), nullptr);
    EXPECT_TRUE(drawnBox(w.mapWindow()->picture()->image()).isEmpty());
}

TEST_F(MainWindowTest, OverviewOfTheSampleCanBeLookedAt)
{
    frmMain &w = open();
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    ASSERT_GE(model::state().Parcels.UBound(), 2);
    control<QToolButton>("bMap")->click();
    const QImage img = w.mapWindow()->picture()->image();
    // The sample's land-use areas cover their parcels whole: no parcel's own fill shows, and they
    // fill most of the box the drawing takes (the street and the corner beside the field stay white).
    const QRect box = drawnBox(img);
    EXPECT_EQ(countColour(img, ParcelColour), 0);
    EXPECT_GT(countColour(img, LandUseColour), box.width() * box.height() * 3 / 4);
    EXPECT_GT(countColour(img, QColor(128, 0, 0)), 1000);
    if (const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR"); !dir.isEmpty())
        w.mapWindow()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("frmMap.png")));
}
