// The code-page check: which texts read in one code page are named as written in the other page or
// in UTF-8, and that names, addresses and codes as this program writes them are never named.

#include "model/batchimport.h"
#include "model/codepagecheck.h"
#include "model/exchangereader.h"
#include "model/exchangewriter.h"
#include "platform/codepage.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

using namespace model;
using platform::CodePage;

namespace {

enum class Bytes { Dos, Win, Utf8 };

QByteArray bytesOf(const QString &text, Bytes bytes)
{
    switch (bytes) {
    case Bytes::Dos: return platform::Encode(text, CodePage::Dos);
    case Bytes::Win: return platform::Encode(text, CodePage::Win);
    case Bytes::Utf8: return text.toUtf8();
    }
    return {};
}

const char *nameOf(Bytes bytes)
{
    return bytes == Bytes::Dos ? "DOS" : bytes == Bytes::Win ? "WIN" : "UTF-8";
}

// What the check says of the bytes of `texts` read in `page`.
TextsLook lookOf(const QStringList &texts, Bytes bytes, CodePage page)
{
    QStringList read;
    for (const QString &t : texts)
        read << platform::Decode(bytesOf(t, bytes), page);
    return JudgeTexts(read, page);
}

// The texts the names are tried in: a contour file's name, point codes, owners' names.
const char *const misreadable[] = {
    "Петренко", "Гай", "Іван", "Ян", "коваленко ірина", "Коваленко Ірина", "межа огорожа", "Євген", "Ґудзь",
    "Їжак Олег", "Пʼятак", "Мар'яна Дем'янчук", "ПЕТРЕНКО", "с. Софіївська Борщагівка, вул. Садова, 12",
};

// A word in capitals as a person writes it: "КИЄВО-СВЯТОШИНСЬКИЙ" as "Києво-Святошинський",
// "П'ЯТИХАТКИ" as "П'ятихатки".
QString titleCase(const QString &text)
{
    QString out = text.toLower();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const bool inWord = i > 0 && (out[i - 1].isLetter() || (out[i - 1] == u'\'' && i > 1 && out[i - 2].isLetter()));
        if (out[i].isLetter() && !inWord)
            out[i] = out[i].toUpper();
    }
    return out;
}

QStringList csvColumn(const QString &relative, int column)
{
    QFile f(testsupport::sourcePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << relative.toStdString();
    QStringList out;
    f.readLine(); // the heading
    while (!f.atEnd()) {
        const QStringList fields = QString::fromUtf8(f.readLine()).trimmed().split(u';');
        if (fields.size() > column && !fields[column].isEmpty())
            out << fields[column];
    }
    return out;
}

// Names, addresses and texts as the offices write them: the classifier's settlements and councils
// in capitals and as names are written, councils with their kind, addresses of every settlement,
// owners with apostrophes, І, Ї, Є and Ґ, initials and digits, and the texts the reference data
// starts with.
QStringList officeTexts()
{
    QStringList texts;
    const QStringList koatuu = csvColumn(QStringLiteral("reference/data/KOATUU.csv"), 2);
    const QStringList streets = {"Садова", "Шевченка", "Лесі Українки", "Грушевського", "8-го Березня",
                                 "Об'їзна", "Б.Хмельницького", "Ґалаґана", "Незалежності", "Зелена"};
    for (qsizetype i = 0; i < koatuu.size(); ++i) {
        const QString &name = koatuu[i];
        const QString place = titleCase(name.section(u'/', 0, 0));
        texts << name << titleCase(name);
        texts << QStringLiteral("с. %1, вул. %2, %3").arg(place, streets[i % streets.size()]).arg(i % 200 + 1);
        if (i % 7 == 0)
            texts << QStringLiteral("Київська обл., Києво-Святошинський р-н, смт %1, пров. %2, буд. %3, кв. %4")
                         .arg(place, streets[i % 3])
                         .arg(i % 50 + 1)
                         .arg(i % 90 + 1);
    }
    const QStringList councils = csvColumn(QStringLiteral("reference/data/council-names.csv"), 1);
    const QStringList kinds = csvColumn(QStringLiteral("reference/data/council-names.csv"), 2);
    for (qsizetype i = 0; i < councils.size() && i < kinds.size(); ++i)
        texts << titleCase(councils[i]) + u' ' + kinds[i] + QStringLiteral(" рада");

    QFile seed(testsupport::sourcePath(QStringLiteral("reference/seed.sql")));
    EXPECT_TRUE(seed.open(QIODevice::ReadOnly));
    const QString sql = QString::fromUtf8(seed.readAll());
    static const QRegularExpression quoted(QStringLiteral("^\\s*\\(.*?'([^']+)'"), QRegularExpression::MultilineOption);
    int seedTexts = 0;
    for (auto it = quoted.globalMatch(sql); it.hasNext(); ++seedTexts)
        texts << it.next().captured(1);
    EXPECT_GT(seedTexts, 30);

    const QStringList surnames = {"Петренко", "Коваленко", "Бондаренко", "Шевчук", "Олійник", "Дем'янчук",
                                  "Солов'як", "Петренко-Коваленко", "Гай", "Ян", "Їжак", "Ґудзь", "Єременко", "Лук'яненко", "Ус",
                                  "Заїка", "Щербак", "Цибуля", "Юрчишин", "Федорів", "Чорновол"};
    const QStringList firstNames = {"Іван", "Марія", "Мар'яна", "Ілля", "Ольга", "Євген", "Ґрета", "Юрій",
                                    "Наталія", "Софія", "Ярослав", "Ія", "Андрій"};
    const QStringList patronymics = {"Іванович", "Петрівна", "Миколайович", "Юріївна", "Ілліч", "Григорівна",
                                     "Андрійович"};
    for (const QString &s : surnames)
        for (qsizetype i = 0; i < firstNames.size(); ++i) {
            const QString &f = firstNames[i];
            const QString &p = patronymics[i % patronymics.size()];
            texts << s + u' ' + f + u' ' + p << s + u' ' + f.left(1) + u'.' + p.left(1) + u'.' << s.toUpper()
                  << QStringLiteral("ФОП %1 %2").arg(s, f) << QStringLiteral("%1 %2, ділянка №%3").arg(s, f).arg(i + 1);
        }
    texts << QStringLiteral("ТзОВ «Агро-Інвест»") << QStringLiteral("ПрАТ «Київоблгаз»") << QStringLiteral("СТ «Дніпро»")
          << QStringLiteral("Поле № 3") << QStringLiteral("кут 30°") << QStringLiteral("1 межа 6543.21 1234.56");
    return texts;
}

ParcelList parcelsOf(const QStringList &owners, const QStringList &addresses)
{
    ParcelList parcels;
    for (qsizetype i = 0; i < owners.size(); ++i) {
        Parcel &p = parcels[CreateParcel(parcels)];
        p.NM = owners[i];
        p.AD = addresses[i % addresses.size()];
        p.AU = addresses[(i + 1) % addresses.size()];
        p.Number = QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        for (const auto &[x, y] : {std::pair{0.0, 0.0}, {0.0, 10.0}, {10.0, 10.0}})
            p.Points.Add(BoundaryPoint{0, QString::number(p.Points.UBound() + 1), x + i, y});
    }
    return parcels;
}

} // namespace

// Each text written in the Windows page or in UTF-8 is named when read in the DOS page, and
// the other way round; read in its own page it is not.
TEST(JudgeTexts, EveryShortNameLowercaseAndCodeIsNamedInTheWrongPage)
{
    for (const char *utf8 : misreadable) {
        const QString text = QString::fromUtf8(utf8);
        for (const CodePage page : {CodePage::Dos, CodePage::Win}) {
            const Bytes own = page == CodePage::Dos ? Bytes::Dos : Bytes::Win;
            const Bytes other = page == CodePage::Dos ? Bytes::Win : Bytes::Dos;
            SCOPED_TRACE(testing::Message() << utf8 << " read as " << (page == CodePage::Dos ? "DOS" : "WIN"));
            EXPECT_EQ(lookOf({text}, own, page), TextsLook::Right);
            EXPECT_EQ(lookOf({text}, other, page), TextsLook::OtherPage);
            EXPECT_EQ(lookOf({text}, Bytes::Utf8, page), TextsLook::Utf8);
        }
    }
}

// A contour file's name and a point list's codes, as the batch reads them.
TEST(JudgeTexts, TheBatchNamesContourFilesAndPointListsByTheirNamesAndCodes)
{
    const struct {
        const char *what;
        int mode;
        QStringList lines;
    } files[] = {
        {"Петренко", BatchContour, {"Петренко", "1 0 0", "2 0 10", "3 10 10"}},
        {"Гай", BatchContour, {"Гай", "1 0 0", "2 0 10", "3 10 10"}},
        {"Іван", BatchContour, {"Іван", "1 0 0", "2 0 10", "3 10 10"}},
        {"Ян", BatchContour, {"Ян", "1 0 0", "2 0 10", "3 10 10"}},
        {"коваленко ірина", BatchContour, {"коваленко ірина", "1 0 0", "2 0 10", "3 10 10"}},
        {"межа огорожа", BatchPointList, {"1 межа 0 0", "2 огорожа 0 10", "3 межа 10 10"}},
        {"Ян", BatchPointList, {"1 Ян 6543.21 1234.56", "2 Ян 6543.21 1244.56", "3 Ян 6553.21 1244.56"}},
    };
    for (const auto &f : files)
        for (const Bytes bytes : {Bytes::Dos, Bytes::Win, Bytes::Utf8}) {
            SCOPED_TRACE(testing::Message() << f.what << " in " << nameOf(bytes) << " mode " << f.mode);
            const QString folder = testsupport::tempDir();
            const QString name = f.mode == BatchContour ? QStringLiteral("a.art") : QStringLiteral("a.txt");
            QFile file(QDir(folder).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytesOf(f.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), bytes));
            file.close();
            const BatchImport import = ImportBatch(folder, {name}, f.mode);
            if (bytes == Bytes::Dos) {
                EXPECT_TRUE(import.Misread.empty());
                continue;
            }
            ASSERT_EQ(import.Misread.size(), 1u);
            EXPECT_EQ(import.Misread[0].name, name);
            EXPECT_EQ(import.Misread[0].look, bytes == Bytes::Win ? TextsLook::OtherPage : TextsLook::Utf8);
        }
}

// Tens of thousands of names and addresses as offices write them: not one is named when read in
// the page it was written in, each on its own or all together.
TEST(JudgeTexts, NoOfficeTextIsNamedInItsOwnPage)
{
    const QStringList texts = officeTexts();
    ASSERT_GT(texts.size(), 100000);
    for (const CodePage page : {CodePage::Dos, CodePage::Win}) {
        const Bytes own = page == CodePage::Dos ? Bytes::Dos : Bytes::Win;
        QStringList named;
        for (const QString &t : texts)
            if (lookOf({t}, own, page) != TextsLook::Right)
                named << t;
        EXPECT_TRUE(named.isEmpty()) << nameOf(own) << ": " << named.size() << ", first "
                                     << named.mid(0, 5).join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(lookOf(texts, own, page), TextsLook::Right);
    }
}

// The same texts in the wrong page: capitalised ones are named, in UTF-8 all but a few short ones
// ("Віл" read in WIN is "Р’С–Р»", signs between capitals). A Windows text read in the DOS page,
// which the batch does, turns its capitals into box drawing; a DOS text read in the WIN page
// turns them into signs and its е, п into Ґ, Ї, and a short one whose other letters all stand
// where WIN holds signs or small letters ("Устя" as "“бвп") passes: one in a thousand at most.
// (Lowercase words of the Windows page read in the DOS page are often letters throughout, "азов"
// as "рчют", and are not counted.)
TEST(JudgeTexts, OfficeTextsInTheWrongPageAreNamed)
{
    const QStringList texts = officeTexts();
    for (const CodePage page : {CodePage::Dos, CodePage::Win}) {
        const Bytes other = page == CodePage::Dos ? Bytes::Win : Bytes::Dos;
        int tried = 0;
        QStringList missed, missedUtf8;
        for (const QString &t : texts) {
            if (!t.contains(QRegularExpression(QStringLiteral("[А-ЯІЇЄҐ][а-яіїєґ']+"))))
                continue;
            ++tried;
            if (lookOf({t}, other, page) != TextsLook::OtherPage)
                missed << t;
            if (lookOf({t}, Bytes::Utf8, page) != TextsLook::Utf8)
                missedUtf8 << t;
        }
        SCOPED_TRACE(testing::Message() << "read as " << (page == CodePage::Dos ? "DOS" : "WIN"));
        EXPECT_GT(tried, 90000);
        EXPECT_LE(missed.size() * (page == CodePage::Dos ? 10000 : 1000), tried)
            << missed.size() << ": " << missed.mid(0, 10).join(QStringLiteral(" | ")).toStdString();
        EXPECT_LE(missedUtf8.size() * 10000, tried)
            << missedUtf8.size() << ": " << missedUtf8.mid(0, 10).join(QStringLiteral(" | ")).toStdString();
    }
}

// The samples and the files this program writes in the DOS page open and import without the
// question: long Ukrainian names, І and Ґ written as I and Г, apostrophes and digits.
TEST(JudgeTexts, SamplesAndFilesThisProgramWritesAreNotNamed)
{
    const struct {
        const char *file;
        int filter;
    } samples[] = {{"sofiivska-dos.in4", 1}, {"sofiivska-win.in4", 2}, {"sofiivska-dos.in5", 3},
                   {"sofiivska-win.in5", 4}, {"sofiivska-centre.in4", 5}};
    for (const auto &s : samples) {
        SCOPED_TRACE(s.file);
        platform::NullProgress quiet;
        const LoadResult r = LoadExchangeFile(testsupport::sourcePath(QStringLiteral("samples/") + s.file), s.filter, quiet);
        EXPECT_EQ(ExchangeTextsLook(r.ImportLines, s.filter), TextsLook::Right);
    }

    const QStringList texts = officeTexts();
    QStringList owners, addresses;
    for (const QString &t : texts)
        (t.contains(u',') ? addresses : owners) << t;
    const QString folder = testsupport::tempDir();
    SaveHeader header;
    header.Koatuu = QStringLiteral("3222486201");
    header.TerritoryText = QStringLiteral("Київська обл., Києво-Святошинський р-н");
    // One file of them all, and files of one parcel each.
    WriteExchangeFile(QDir(folder).filePath(QStringLiteral("all.in4")), parcelsOf(owners, addresses), header, SaveIn4, false);
    for (int i = 0; i < 40; ++i)
        WriteExchangeFile(QDir(folder).filePath(QStringLiteral("one%1.in4").arg(i)),
                          parcelsOf({owners[i * 97 % owners.size()]}, {addresses[i * 31 % addresses.size()]}), header,
                          SaveIn4, false);
    WriteExchangeFile(QDir(folder).filePath(QStringLiteral("all.in5")), parcelsOf(owners, addresses), header, SaveIn5Dos,
                      false);
    platform::NullProgress quiet;
    for (const auto &[file, filter] : {std::pair{"all.in4", 1}, {"all.in5", 3}, {"one0.in4", 1}, {"one39.in4", 1}}) {
        SCOPED_TRACE(file);
        const LoadResult r = LoadExchangeFile(QDir(folder).filePath(QString::fromLatin1(file)), filter, quiet);
        EXPECT_EQ(ExchangeTextsLook(r.ImportLines, filter), TextsLook::Right);
    }
    const BatchImport import = ImportBatch(folder, BatchFiles(folder, BatchIn4), BatchIn4);
    EXPECT_EQ(import.Lines.Files.size(), 41);
    EXPECT_TRUE(import.Misread.empty()) << import.Misread.size() << " " << import.Misread.front().name.toStdString();
}
