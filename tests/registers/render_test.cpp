// Every document of the registers made from the sample file, read back by python-docx and
// rendered by LibreOffice: the texts are on the page, where nothing overlaps.

#include "common/numbers.h"
#include "reference/staff.h"
#include "reference/state.h"
#include "registers/cadastrallist.h"
#include "registers/catalogue.h"
#include "registers/lists.h"
#include "registers/transmittalnote.h"
#include "tests/registers/registerstesting.h"

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QRectF>
#include <gtest/gtest.h>

using namespace registers;

namespace {

struct Word {
    int page;
    QRectF box;
    QString text;
};

/// The words of a PDF with their boxes, as pdftotext -bbox gives them.
std::vector<Word> WordsOf(const QString &pdf)
{
    const QString html = QString::fromUtf8(builderstesting::run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression re(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    int page = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        QString text = m.captured(5);
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        words.push_back({page, box, text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))});
    }
    return words;
}

/// The part of a word's box that its letters fill: the font's box reaches into the lines above
/// and below by its ascent and descent, so a fifth is taken off at the top and at the bottom.
QRectF Core(const QRectF &box)
{
    return box.adjusted(0, box.height() / 5, 0, -box.height() / 5);
}

/// Pairs of words on one page whose letters overlap.
QStringList OverlappingWords(const std::vector<Word> &words)
{
    QStringList found;
    for (size_t i = 0; i < words.size(); ++i)
        for (size_t j = i + 1; j < words.size(); ++j) {
            if (words[i].page != words[j].page)
                continue;
            const QRectF common = Core(words[i].box).intersected(Core(words[j].box));
            if (common.width() > 0.5 && common.height() > 0.5)
                found << words[i].text + QStringLiteral(" / ") + words[j].text;
        }
    return found;
}

class Rendered : public registerstesting::RegistersTest {
protected:
    void SetUp() override
    {
        RegistersTest::SetUp();
        builderstesting::loadSample();
        exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.'"));
        exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
        reference::LoadStaffNames(QString());
        reference::state().RegionName = QStringLiteral("Київська");
        reference::state().DistrictName = QStringLiteral("Києво-Святошинський район");
        reference::state().CouncilName = QStringLiteral("Софіївсько-Борщагівська сільська");
        model::ParcelList &parcels = model::state().Parcels;
        for (int i : {1, 2, 5})
            parcels[i].Selected = -1;
        documents::options().DocAction = documents::ActionSave;
        documents::options().OutputFolder = documents::OutputFolderOf(out);
    }
};

} // namespace

TEST_F(Rendered, EveryDocumentReadsBackAndRendersWithoutOverlaps)
{
    platform::NullProgress overall, step;
    const documents::BatchReport catalogues = MakeCatalogues(*app, programDir(), 1, overall, step);
    ASSERT_TRUE(catalogues.Failures.empty()) << catalogues.Summary().toStdString();
    ASSERT_EQ(catalogues.Done.size(), 3u);
    const model::ParcelList &parcels = model::state().Parcels;

    struct Made {
        QString path;
        QStringList texts; ///< on the rendered page, blanks squeezed
        QString cell;      ///< a cell python-docx must read in the first table it holds text in
    };
    const QString owner5 = parcels[5].NM;
    std::vector<Made> made = {
        {catalogues.Done[0].Path,
         {QStringLiteral("КАТАЛОГ КООРДИНАТ"), parcels[1].NM, zova::Format2(parcels[1].Points[1].X),
          zova::Format2(parcels[1].Perimeter) + QStringLiteral(" м.")},
         zova::Format2(parcels[1].Points[1].Y)},
        {MakeSpis1(*app, programDir()).Path,
         {QStringLiteral("СПИСОК № 1"), QStringLiteral("Всього"), parcels[2].Number,
          QStringLiteral("Ділянок для ведення особистого селянського господарства")},
         QStringLiteral("Всього")},
        {MakeSpis2(*app, programDir()).Path, {QStringLiteral("СПИСОК № 2"), parcels[5].AD}, parcels[5].Number},
        {MakeNakl(*app, programDir()).Path,
         {QStringLiteral("НАКЛАДНА"), QStringLiteral("ТОВ «ЗЕМПРОЕКТ»"), QStringLiteral("Софіївсько-Борщагівської сільської ради Києво-Святошинського району"),
          QStringLiteral("~ ") + parcels[2].NM, QStringLiteral("Коваленко І.П.")},
         QStringLiteral("ТОВ «ЗЕМПРОЕКТ»")},
        {MakeSpisKadKode(*app, programDir()).Path,
         {QStringLiteral("кадастровими номерами"), QStringLiteral("3222486201:01:024:")},
         QLatin1Char(' ') + owner5},
    };

    for (const Made &m : made) {
        SCOPED_TRACE(m.path.toStdString());
        const QString pdf = builderstesting::toPdf(m.path, out);
        // python-docx reads the tables.
        const QJsonObject docx = builderstesting::readWithPythonDocx(m.path);
        QStringList cells;
        for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                for (const QJsonValue &c : row.toArray())
                    cells << c.toString();
        EXPECT_TRUE(cells.join(QLatin1Char('\n')).contains(m.cell)) << m.cell.toStdString();

        // LibreOffice lays it out on one page with every text in place and none over another.
        ASSERT_TRUE(QFileInfo::exists(pdf));
        const std::vector<Word> words = WordsOf(pdf);
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(words.back().page, 1);
        QStringList all;
        for (const Word &w : words)
            all << w.text;
        const QString flat = all.join(QLatin1Char(' '));
        for (const QString &t : m.texts) {
            const QString squeezed = QString(t).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
            EXPECT_TRUE(flat.contains(squeezed)) << t.toStdString() << "\n in \n" << flat.toStdString();
        }
        EXPECT_EQ(OverlappingWords(words), QStringList());

        const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR");
        if (!keep.isEmpty())
            for (const QString &file : {pdf, m.path})
                QFile::copy(file, QDir(QString::fromLocal8Bit(keep)).filePath(QFileInfo(file).fileName()));
    }
}

// Lists long enough to run over several pages keep every parcel's row whole on one page: an
// owner's name is not left at the foot of a page with the address on the next.
TEST_F(Rendered, LongListsKeepEachRowOnOnePage)
{
    model::ParcelList &parcels = model::state().Parcels;
    parcels.Clear();
    const int n = 60;
    for (int k = 1; k <= n; ++k) {
        const QString tag = QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'));
        model::Parcel p = registerstesting::RectangleOf(QStringLiteral("Н") + tag,
                                                        QStringLiteral("Початок") + tag
                                                            + QStringLiteral(" Прізвищенко Іменко Побатьковенко, Співвласниченко "
                                                                             "Іменко Побатьковенко, Третьовласниченко Кінець")
                                                            + tag,
                                                        1000, 1000 + 30 * k, 20, 20);
        p.KZ = QStringLiteral("22");
        p.AD = QStringLiteral("с. Софіївська Борщагівка, вул. Садова, буд.") + tag;
        parcels.Add(p);
    }
    const QStringList made = {MakeSpis1(*app, programDir()).Path, MakeSpis2(*app, programDir()).Path,
                              MakeNakl(*app, programDir()).Path, MakeSpisKadKode(*app, programDir()).Path};
    for (const QString &path : made) {
        SCOPED_TRACE(path.toStdString());
        const std::vector<Word> words = WordsOf(builderstesting::toPdf(path, out));
        ASSERT_GT(words.back().page, 1) << "the list must run over a page";
        // The first and the last word a row shows (the owner's first word, and the address or,
        // where the row has none, the owner's last word) stand on one page.
        const auto pageOf = [&](const QString &text) {
            for (const Word &w : words)
                if (w.text.contains(text))
                    return w.page;
            return 0;
        };
        const bool withAddress = !path.contains(QStringLiteral("Накладна")) && !path.contains(QStringLiteral("Кадастрові"));
        QStringList torn;
        for (int k = 1; k <= n; ++k) {
            const QString tag = QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'));
            const int first = pageOf(QStringLiteral("Початок") + tag);
            const int last = pageOf((withAddress ? QStringLiteral("буд.") : QStringLiteral("Кінець")) + tag);
            if (first == 0 || first != last)
                torn << QStringLiteral("%1: pages %2 and %3").arg(tag).arg(first).arg(last);
        }
        EXPECT_TRUE(torn.isEmpty()) << torn.join(QStringLiteral(", ")).toStdString();
    }
}
