// The picture box as the main window uses it: the collection made by its ProgID, one Draw per
// polygon, the real points added, then DrawPict with the picture box.
#include "draw/draw.h"
#include "draw/widget/picturebox.h"

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(PictureBox, ShowsWhatTheLibraryPaints)
{
    draw::PictureBox pict;
    pict.resize(425, 225);
    pict.show();

    auto coll = draw::Create<draw::DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    ASSERT_TRUE(coll);
    const double parcel[][2] = {{5000, 1000}, {5000, 1300}, {5100, 1300}, {5100, 1000}};
    const double area[][2] = {{5020, 1100}, {5020, 1200}, {5080, 1200}, {5080, 1100}};
    for (const auto *points : {parcel, area}) {
        auto d = coll->Add();
        d->FillColor(points == parcel ? d->SetFillColor(142, 193, 241) : d->SetFillColor(97, 233, 196));
        d->BorderColors(d->SetBorderColor(draw::Red));
        d->PointFillColor(d->SetFillColor(255, 255, 255));
        d->PointBorderColor(d->SetBorderColor(draw::Black));
        for (int i = 0; i < 4; ++i)
            d->pointsR()->Add(points[i][0], points[i][1]);
    }
    EXPECT_FALSE(coll->DrawPict(pict, true));

    const QImage shown = pict.grab().toImage();
    shown.save(QDir(testsupport::tempDir()).filePath(QStringLiteral("pict.png")));
    ASSERT_EQ(shown.size(), QSize(425, 225));
    // The example rectangle lies at (12, 46) to (412, 180), the area at (146, 72) to (280, 152).
    EXPECT_EQ(shown.pixelColor(80, 100), QColor(142, 193, 241));
    EXPECT_EQ(shown.pixelColor(200, 110), QColor(97, 233, 196));
    EXPECT_EQ(shown.pixelColor(12, 100), QColor(128, 0, 0));
    EXPECT_EQ(shown.pixelColor(146, 72), QColor(255, 255, 255));
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::white));

    // Clearing empties it; a resize starts an empty picture of the new size.
    pict.Cls();
    EXPECT_EQ(pict.grab().toImage().pixelColor(80, 100), QColor(Qt::white));
    pict.resize(300, 200);
    EXPECT_EQ(pict.ScaleWidth(), 300);
    EXPECT_EQ(pict.hDC()->width(), 300);
}
