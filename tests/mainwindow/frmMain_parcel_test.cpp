// The current parcel: clicks on tree nodes, the information panel, the coordinate list, the
// summary, the zone and quarter boxes, the popup menu and the drawing in the picture.

#include "tests/mainwindow/mainwindowtesting.h"

#include "common/numbers.h"
#include "draw/widget/picturebox.h"
#include "mainwindow/treeimages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QThread>

using mainwindowtesting::MainWindowTest;

namespace {

model::Ring square(double x0, double y0, double x1, double y1)
{
    // Clockwise on the map (north up, east right), as the loader leaves every ring.
    model::Ring r;
    const double pts[][2] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    int k = 0;
    for (const auto &p : pts) {
        model::BoundaryPoint b;
        b.Index = ++k;
        b.X = p[0];
        b.Y = p[1];
        r.Add(b);
    }
    return r;
}

/// Parcel 1: a 100 m square with one land-use area in its north-east quarter; parcel 2: a plain
/// rectangle far away, 523.4 square metres, marked as a second parcel.
void setFixture()
{
    model::ParcelList &parcels = model::state().Parcels;
    parcels.Clear();
    model::Parcel p;
    p.NM = QStringLiteral("Іваненко Іван");
    p.AD = QStringLiteral("с. Софіївка, вул. Садова");
    p.AU = QStringLiteral("с. Софіївка, вул. Лісова, 3");
    p.PZ = QStringLiteral("РС,12,01.02.2005");
    p.PP = QStringLiteral("СН 123456");
    p.KZ = QStringLiteral("21 сг");
    p.KF = QStringLiteral("1234567890");
    p.Number = QStringLiteral("0012");
    p.ZN = 3;
    p.KV = 14;
    p.Area = 10000;
    p.Points = square(0, 0, 100, 100);
    model::LandUseArea a;
    a.CN = QStringLiteral("16,рілля");
    a.Area = 900;
    a.Points = square(60, 60, 90, 90);
    p.LandUses.Add(a);
    parcels.Add(p);

    model::Parcel q;
    q.NM = QStringLiteral("Петренко Петро");
    q.AD = QStringLiteral("вул. Польова");
    q.AU = QStringLiteral("м. Київ");
    q.PZ = QStringLiteral("РД,4,03.04.2006");
    q.PP = QStringLiteral("КМ 654321");
    q.KZ = QString();
    q.KF = QStringLiteral("0987654321");
    q.Number = QStringLiteral("0007");
    q.ZN = 5;
    q.KV = 2;
    q.Area = 523.4;
    q.SecondParcel = 1;
    q.Points = square(5000, 5000, 5020, 5026.17);
    parcels.Add(q);
}

void send(QWidget *target, QEvent::Type type, QPointF pos, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

class CurrentParcelTest : public MainWindowTest {
protected:
    frmMain &openWithFixture()
    {
        frmMain &w = open();
        setFixture();
        w.UpdateDataControls();
        w.FillTree();
        w.resize(1280, 800);
        w.show();
        tree()->expandAll();
        QCoreApplication::processEvents();
        return w;
    }

    /// A press and a release with the button in the middle of the node's text, as the operator
    /// clicks.
    void click(const char *key, Qt::MouseButton button = Qt::LeftButton)
    {
        clickNode(QString::fromLatin1(key), button);
    }

    /// A left click on the node's check box.
    void clickCheckBox(const char *key)
    {
        QTreeWidgetItem *n = node(QString::fromLatin1(key));
        QStyleOptionViewItem opt;
        opt.initFrom(tree()->viewport());
        opt.rect = tree()->visualItemRect(n);
        opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration
                       | QStyleOptionViewItem::HasDisplay;
        opt.text = n->text(0);
        opt.icon = n->icon(0);
        opt.decorationSize = tree()->iconSize().isValid() ? tree()->iconSize() : QSize(16, 16);
        const QRect box = tree()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, tree());
        send(tree()->viewport(), QEvent::MouseButtonPress, box.center(), Qt::LeftButton);
        send(tree()->viewport(), QEvent::MouseButtonRelease, box.center(), Qt::LeftButton);
    }

    QString text(const char *box) const { return control<QLineEdit>(box)->text(); }
    QString info() const { return control<QLabel>("lInfo")->text(); }
    draw::PictureBox *pict() const { return control<draw::PictureBox>("pict"); }
    QTreeWidget *points() const { return control<QTreeWidget>("lstKoord"); }

    /// The panel as [tNM, tAD, tAU, tPZ, tKZ, tPP, tKF].
    QStringList panelTexts() const
    {
        QStringList out;
        for (const char *b : {"tNM", "tAD", "tAU", "tPZ", "tKZ", "tPP", "tKF"})
            out << text(b);
        return out;
    }
    QStringList panelOf(int i) const
    {
        const model::Parcel &p = model::state().Parcels[i];
        return {p.NM, p.AD, p.AU, p.PZ, i == 1 ? QStringLiteral("21") : QStringLiteral("0"), p.PP, p.KF};
    }
};

} // namespace

TEST_F(CurrentParcelTest, ParcelNodeShowsPanelZoneQuarterSummaryAndPoints)
{
    frmMain &w = openWithFixture();
    click("1o");

    EXPECT_EQ(model::state().CurParcel, 1);
    EXPECT_EQ(w.panelParcel(), 1);
    EXPECT_EQ(panelTexts(), panelOf(1)); // 6-zem row as its leading number
    EXPECT_TRUE(control("tZone")->isEnabled());
    EXPECT_TRUE(control("tKvart")->isEnabled());
    EXPECT_EQ(text("tZone"), QStringLiteral("3"));
    EXPECT_EQ(text("tKvart"), QStringLiteral("14"));
    EXPECT_EQ(info(), QStringLiteral("Площа ділянки: ") + zova::Format2(10000)
                          + QStringLiteral(" кв.м.; Код: 0012; ID: 1\r"));

    QTreeWidget *list = points();
    ASSERT_EQ(list->topLevelItemCount(), 4);
    for (int k = 1; k <= 4; ++k) {
        const QTreeWidgetItem *row = list->topLevelItem(k - 1);
        const model::BoundaryPoint &b = model::state().Parcels[1].Points[k];
        EXPECT_EQ(frmMain::NodeKey(row), QString::number(k) + QStringLiteral("po"));
        EXPECT_EQ(row->text(0), QString::number(k));
        EXPECT_EQ(row->text(1), zova::Format2(b.X));
        EXPECT_EQ(row->text(2), zova::Format2(b.Y));
        EXPECT_FALSE(row->icon(0).isNull());
    }
    // A left click opens no popup.
    EXPECT_FALSE(control<QMenu>("mnuPopup")->isVisible());
}

TEST_F(CurrentParcelTest, LandUseAndFieldNodesNameWhatTheyShowAndSwitchTheBoxesOff)
{
    frmMain &w = openWithFixture();
    click("1o");
    click("1_1u");
    EXPECT_EQ(model::state().CurParcel, 1);
    EXPECT_EQ(mainwindow::state().CurLandUse, 1);
    EXPECT_EQ(info(), QStringLiteral("Площа угіддя: ") + zova::Format2(900) + QStringLiteral(" кв.м.\r"));
    ASSERT_EQ(points()->topLevelItemCount(), 4);
    EXPECT_EQ(points()->topLevelItem(0)->text(1), zova::Format2(60));
    EXPECT_EQ(panelTexts(), panelOf(1));
    EXPECT_EQ(w.drawnParcel(), 1);

    const struct {
        const char *key;
        const char *title;
    } fields[] = {
        {"2_r", "Підстава надання ділянки"}, {"2_a", "Адреса проживання власника"},
        {"2_d", "Адреса ділянки"},           {"2_k", "Ідентифікаційний номер"},
        {"2_p", "Документ, що посвідчує особу"}, {"2_z", "Рядок згідно форми 6-зем"},
        {"2_c", "Номер земельної ділянки"},  {"2_w", "ID другої ділянки"},
        {"2_y", "КОАТУ ділянки"},
    };
    for (const auto &f : fields) {
        click("1o");
        click(f.key);
        EXPECT_EQ(model::state().CurParcel, 2) << f.key;
        EXPECT_EQ(info(), QString::fromUtf8(f.title)) << f.key;
        for (const char *box : {"tZone", "tKvart"}) {
            EXPECT_FALSE(control(box)->isEnabled()) << f.key;
            EXPECT_EQ(text(box), QStringLiteral("0")) << f.key;
        }
        // The coordinate list and the drawing stay those of the parcel clicked before.
        EXPECT_EQ(points()->topLevelItemCount(), 4) << f.key;
        EXPECT_EQ(w.drawnParcel(), 1) << f.key;
    }
    // The zone and quarter of the parcels were never touched by the boxes.
    EXPECT_EQ(model::state().Parcels[1].ZN, 3);
    EXPECT_EQ(model::state().Parcels[2].KV, 2);
}

TEST_F(CurrentParcelTest, PanelAlwaysBelongsToTheCurrentParcel)
{
    frmMain &w = openWithFixture();
    click("1o");
    control<QLineEdit>("tNM")->setText(QStringLiteral("виправлено"));
    // Another node of the same parcel keeps what the operator typed.
    click("1_d");
    EXPECT_EQ(text("tNM"), QStringLiteral("виправлено"));
    EXPECT_EQ(w.panelParcel(), 1);

    // A field or land-use node of another parcel brings that parcel's own texts.
    click("2_a");
    EXPECT_EQ(model::state().CurParcel, 2);
    EXPECT_EQ(w.panelParcel(), 2);
    EXPECT_EQ(panelTexts(), panelOf(2));
    click("1_1u");
    EXPECT_EQ(w.panelParcel(), 1);
    EXPECT_EQ(panelTexts(), panelOf(1));

    // A parcel found by its code: panel, zone and quarter follow it; its summary has no ID.
    w.ShowFoundParcel(2);
    EXPECT_EQ(model::state().CurParcel, 2);
    EXPECT_EQ(w.panelParcel(), 2);
    EXPECT_EQ(panelTexts(), panelOf(2));
    EXPECT_TRUE(control("tZone")->isEnabled());
    EXPECT_EQ(text("tZone"), QStringLiteral("5"));
    EXPECT_EQ(text("tKvart"), QStringLiteral("2"));
    EXPECT_EQ(info(), QStringLiteral("Площа ділянки: ") + zova::Format2(523.4) + QStringLiteral(" кв.м.; Код: 0007\r"));
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("2o")));
    EXPECT_EQ(w.drawnParcel(), 2);

    // A new file shows nothing of the old one.
    answerOpen(testsupport::sourcePath(QStringLiteral("samples/sofiivska-win.in4")), 2);
    control<QAction>("mnuOpen")->trigger();
    EXPECT_EQ(w.panelParcel(), 0);
    EXPECT_EQ(panelTexts(), QStringList(7, QString()));
    EXPECT_FALSE(control("tZone")->isEnabled());
    EXPECT_EQ(w.drawnParcel(), 0);
    EXPECT_TRUE(info().isEmpty());
}

TEST_F(CurrentParcelTest, ZoneAndQuarterAreSwitchedBeforeTheirValuesChange)
{
    openWithFixture();
    QList<QPair<QString, bool>> seen;
    QObject::connect(control<QLineEdit>("tKvart"), &QLineEdit::textChanged, [&](const QString &t) {
        seen.append({t, control("tKvart")->isEnabled()});
    });
    click("1o");
    click("1_k");
    click("2o");
    const QList<QPair<QString, bool>> want = {
        {QStringLiteral("14"), true}, {QStringLiteral("0"), false}, {QStringLiteral("2"), true}};
    EXPECT_EQ(seen, want);
}

TEST_F(CurrentParcelTest, SummaryInTheChosenAreaUnit)
{
    openWithFixture();
    const struct {
        const char *option;
        QString parcel;
        QString landUse;
    } cases[] = {
        {"optArea_0", zova::Format2(523.4) + QStringLiteral(" кв.м."), zova::Format2(900) + QStringLiteral(" кв.м.")},
        {"optArea_1", zova::Format4(0.05234) + QStringLiteral(" га."), zova::Format4(0.09) + QStringLiteral(" га.")},
    };
    for (const auto &c : cases) {
        control<QRadioButton>(c.option)->click();
        click("2o");
        EXPECT_EQ(info(), QStringLiteral("Площа ділянки: ") + c.parcel + QStringLiteral("; Код: 0007; ID: 2\r")) << c.option;
        click("1_1u");
        EXPECT_EQ(info(), QStringLiteral("Площа угіддя: ") + c.landUse + QStringLiteral("\r")) << c.option;
    }
}

TEST_F(CurrentParcelTest, PopupOnlyForParcelNodesWithTheParcelsMarks)
{
    openWithFixture();
    QMenu *popup = control<QMenu>("mnuPopup");
    QAction *zsp = control<QAction>("mnuZsp");
    QAction *second = control<QAction>("mnuSecond");

    click("1_a", Qt::RightButton);
    EXPECT_EQ(model::state().CurParcel, 1);
    EXPECT_FALSE(popup->isVisible());
    click("1_1u", Qt::MiddleButton);
    EXPECT_FALSE(popup->isVisible());

    click("2o", Qt::RightButton);
    EXPECT_EQ(model::state().CurParcel, 2);
    EXPECT_EQ(info(), QStringLiteral("Площа ділянки: ") + zova::Format2(523.4) + QStringLiteral(" кв.м.; Код: 0007; ID: 2\r"));
    EXPECT_TRUE(popup->isVisible());
    EXPECT_FALSE(zsp->isChecked());
    EXPECT_TRUE(second->isChecked());
    popup->hide();

    // Joint ownership on and off again: the flag, the mark and the picture of the parcel node.
    zsp->trigger();
    EXPECT_EQ(model::state().Parcels[2].JointOwnership, 0);
    EXPECT_TRUE(zsp->isChecked());
    EXPECT_EQ(frmMain::NodeImage(node(QStringLiteral("2o"))), mainwindow::ImgJointOwnership);
    click("2o", Qt::RightButton);
    EXPECT_TRUE(zsp->isChecked());
    popup->hide();
    zsp->trigger();
    EXPECT_EQ(model::state().Parcels[2].JointOwnership, 1);
    EXPECT_FALSE(zsp->isChecked());
    EXPECT_EQ(frmMain::NodeImage(node(QStringLiteral("2o"))), mainwindow::ImgSecondParcel);

    click("1o", Qt::RightButton);
    popup->hide();
    zsp->trigger();
    zsp->trigger();
    EXPECT_EQ(frmMain::NodeImage(node(QStringLiteral("1o"))), mainwindow::ImgParcel);
    EXPECT_EQ(frmMain::NodeImage(node(QStringLiteral("2o"))), mainwindow::ImgSecondParcel);
}

TEST_F(CurrentParcelTest, ClickOnACheckBoxSelectsWithoutChangingTheCurrentParcel)
{
    openWithFixture();
    click("1o");
    clickCheckBox("2o");
    EXPECT_EQ(node(QStringLiteral("2o"))->checkState(0), Qt::Checked);
    EXPECT_EQ(model::state().Parcels[2].Selected, -1);
    EXPECT_EQ(panel(3), QStringLiteral("Вибрано: 1"));
    EXPECT_EQ(model::state().CurParcel, 1);
    // The next ordinary click counts again.
    click("2_c");
    EXPECT_EQ(model::state().CurParcel, 2);
}

TEST_F(CurrentParcelTest, PictureShowsTheClickedParcelWithItsLandUseOverIt)
{
    frmMain &w = openWithFixture();
    click("1o");
    const QImage img = pict()->image();
    const int W = img.width(), H = img.height();
    ASSERT_GT(W, 100);
    // The square fills the smaller side less 25 pixels, centred; north is up, east is right.
    const double S = std::min(W, H) - 25;
    const QPointF centre(W / 2.0, H / 2.0);
    auto at = [&](double x, double y) { // x northing, y easting, metres of parcel 1
        return img.pixelColor(int(centre.x() + (y - 50) / 100 * S), int(centre.y() - (x - 50) / 100 * S));
    };
    EXPECT_EQ(at(30, 30), rgb(142, 193, 241));
    EXPECT_EQ(at(75, 75), rgb(97, 233, 196)); // the land-use area, painted over the parcel
    EXPECT_EQ(at(30, 75), rgb(142, 193, 241));
    EXPECT_EQ(img.pixelColor(3, 3), rgb(255, 255, 255));
    EXPECT_EQ(img.pixelColor(int(centre.x() - S / 2 - 8), int(centre.y())), rgb(255, 255, 255)); // just west of it
    // A marker on the south-west corner: white with a black frame, over the red outline.
    bool black = false;
    const QPoint sw(int(centre.x() - S / 2), int(centre.y() + S / 2));
    for (int dx = -6; dx <= 6; ++dx)
        black = black || img.pixelColor(sw.x() + dx, sw.y()) == rgb(0, 0, 0);
    EXPECT_TRUE(black);

    // Another parcel replaces the drawing; a resize fits it again.
    click("2o");
    EXPECT_EQ(w.drawnParcel(), 2);
    EXPECT_EQ(pict()->image().pixelColor(W / 2, H / 2), rgb(142, 193, 241));
    control<QTabWidget>("tabView")->setCurrentIndex(0);
    pict()->setMinimumSize(200, 150);
    w.resize(1000, 700);
    waitFor([&] { return pict()->image().size() != QSize(W, H)
                         && pict()->image().pixelColor(pict()->width() / 2, pict()->height() / 2) == rgb(142, 193, 241); });
    EXPECT_NE(pict()->image().size(), QSize(W, H));
    EXPECT_EQ(pict()->image().pixelColor(pict()->width() / 2, pict()->height() / 2), rgb(142, 193, 241));

    if (const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR"); !dir.isEmpty()) {
        w.resize(1280, 800);
        click("1o");
        QCoreApplication::processEvents();
        w.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("frmMain_parcel.png")));
    }
}

TEST_F(CurrentParcelTest, AParcelThatCannotBeFittedLeavesAnEmptyPicture)
{
    frmMain &w = openWithFixture();
    click("1o");
    model::state().Parcels[2].Points.Clear();
    click("2o");
    EXPECT_EQ(w.drawnParcel(), 0);
    const QImage img = pict()->image();
    EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), rgb(255, 255, 255));
    // The summary and the panel still tell of the parcel.
    EXPECT_EQ(points()->topLevelItemCount(), 0);
    EXPECT_TRUE(info().startsWith(QStringLiteral("Площа ділянки: ")));
    EXPECT_EQ(w.panelParcel(), 2);
}
