#pragma once

// Fixtures of the registers tests: the builder fixture (a fresh database copy, clean state), a
// recording desktop, a work folder of the test's own, and small parcels.

#include "documents/docoptions.h"
#include "documents/state.h"
#include "model/state.h"
#include "office/wordapp.h"
#include "platform/desktop.h"
#include "reference/state.h"
#include "tests/documents/parcelfixtures.h"
#include "tests/documents_builders/builderstesting.h"

#include <QDir>
#include <memory>

namespace registerstesting {

/// A w x d rectangle (metres; X north, Y east) with its south-west corner at (x, y), clockwise on
/// the map, numbered, selected, with its area set.
inline model::Parcel RectangleOf(const QString &number, const QString &nm, double x, double y, double w, double d)
{
    model::Parcel p = documents_test::ParcelOf(nm, {{x, y}, {x + d, y}, {x + d, y + w}, {x, y + w}});
    p.Number = number;
    p.Area = w * d;
    p.Selected = -1;
    p.KoatuuPart = QStringLiteral("3222486201");
    p.ZN = 1;
    p.KV = 24;
    return p;
}

/// The territory names as the territory dialog leaves them (the district as it lists it, "м Біла
/// Церква" for a city of regional importance, and its centre).
inline void SetTerritory(const char *region, const char *district, const char *centre, const char *council)
{
    reference::State &r = reference::state();
    r.RegionName = QString::fromUtf8(region);
    r.DistrictName = QString::fromUtf8(district);
    r.CentreName = QString::fromUtf8(centre);
    r.CouncilName = QString::fromUtf8(council);
}

class RegistersTest : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        auto d = std::make_unique<platform::RecordingDesktop>();
        desktop = d.get();
        oldDesktop = platform::setDesktop(std::move(d));
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("out-%1").arg(++runs));
        QDir().mkpath(out);
        app = std::make_unique<office::WordApp>();
        app->SetWorkFolder(out);
        app->SetDefaultFolder(out);
    }
    void TearDown() override
    {
        app.reset();
        platform::setDesktop(std::move(oldDesktop));
        BuilderTest::TearDown();
    }

    static QString programDir() { return testsupport::programDir(); }
    /// The parcels of the model, replaced.
    static void setParcels(std::initializer_list<model::Parcel> parcels)
    {
        model::state().Parcels = documents_test::ListOf(parcels);
    }
    /// A saved document opened again for reading.
    office::Document &reopen(const QString &path) { return app->Documents_Open(path); }

    platform::RecordingDesktop *desktop = nullptr;
    std::unique_ptr<platform::Desktop> oldDesktop;
    std::unique_ptr<office::WordApp> app;
    QString out;
    static inline int runs = 0;
};

/// The texts of one table row, cells 1..n.
inline QStringList rowTexts(const office::Table &table, int row)
{
    QStringList cells;
    for (int c = 1; c <= table.ColumnCount(row); ++c)
        cells << table.Cell(row, c).Text();
    return cells;
}

} // namespace registerstesting
