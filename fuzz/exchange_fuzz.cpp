// Feeds arbitrary bytes to the exchange reader: the first byte chooses the open filter (1..5),
// the rest is the file. Every input must give a model that keeps the reader's promises or a
// zova::Error; anything else (a crash, another exception, a broken model) stops the run. What
// was read goes through the writers too.
#include "common/error.h"
#include "model/exchangereader.h"
#include "model/exchangewriter.h"
#include "model/mifexport.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void checkRing(const model::Ring &ring)
{
    for (int j = 1; j <= ring.UBound(); ++j)
        require(ring[j].Index == j, "point index");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int filter = 1 + data[0] % 5;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    try {
        const model::LoadResult r =
            model::ParseExchangeLines(model::DecodeExchangeLines(bytes, filter), filter);
        require(r.ParcelCount == r.Parcels.UBound(), "parcel count");
        int landUses = 0;
        for (const model::Parcel &p : r.Parcels) {
            require(!(p.Area < 0), "parcel area"); // huge exponents may give inf or NaN, never a negative area
            checkRing(p.Points);
            for (const model::LandUseArea &u : p.LandUses) {
                require(!(u.Area < 0), "land-use area");
                checkRing(u.Points);
            }
            landUses += p.LandUses.UBound();
        }
        landUses += r.Parcels[0].LandUses.UBound();
        require(landUses == r.LandUseCount, "land-use count");

        // Whatever was read can be written again, or is refused with a clear error.
        model::MifMidBytes(r.Parcels);
        for (int kind = model::SaveIn5Dos; kind <= model::SaveIn4; ++kind) {
            try {
                model::ExchangeFileBytes(r.Parcels, {r.Koatuu, QString(), QDate(2026, 3, 7)}, kind, false);
            } catch (const zova::Error &) {
            }
        }
    } catch (const zova::Error &) {
        // A clear error is a good answer to a bad file.
    }
    return 0;
}
