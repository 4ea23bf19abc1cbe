#include "registers/packagebookmarks.h"

#include "common/error.h"
#include "common/numbers.h"
#include "common/text.h"

#include <algorithm>
#include <array>

namespace registers {

namespace {

using Value = QString (*)(const PackageRun &);

struct CommonBookmark {
    std::array<const char *, 8> Names; ///< the bookmarks that share the value; unused places null
    Value Of;
    std::optional<Signer> Who = std::nullopt; ///< the person the value names
};

const CommonBookmark commonBookmarks[] = {
    {{"obl", "obl1", "obl2"}, [](const PackageRun &r) { return r.RegionGen; }},
    {{"regionu", "regionu1", "regionu2", "reg", "reg1", "reg2", "reg3", "reg4"},
     [](const PackageRun &r) { return r.DistrictGen; }},
    {{"radu", "radu1", "radu2", "radu3", "radu4", "radu5"}, [](const PackageRun &r) { return r.CouncilGen; }},
    {{"date", "date1", "date2", "date3"}, [](const PackageRun &r) { return r.Year; }},
    {{"orgname", "orgname1"}, [](const PackageRun &r) { return zova::UpperCase(r.OrganTitle); }},
    {{"org", "org1"}, [](const PackageRun &r) { return r.OrganTitle; }},
    {{"dur"}, [](const PackageRun &r) { return r.NDur; }, Signer::Director},
    {{"vuk", "vuk1"}, [](const PackageRun &r) { return r.NSkl; }, Signer::Executor},
    {{"raizem", "raizem1", "raizem2"}, [](const PackageRun &r) { return r.RaiZem; }, Signer::LandOfficeHead},
    {{"golova", "golova1", "golova2"}, [](const PackageRun &r) { return r.Golova; }, Signer::CouncilHead},
    {{"kspname", "kspname1"}, [](const PackageRun &r) { return r.KspName; }},
    {{"arhname", "arhname1"}, [](const PackageRun &r) { return r.Arhit; }, Signer::Architect},
    {{"goladm", "goladm1"}, [](const PackageRun &r) { return r.GolAdm; }, Signer::AdministrationHead},
    {{"arall", "arrall"}, [](const PackageRun &r) { return HectareText(r.SumArea); }},
    {{"arr"}, [](const PackageRun &r) { return HectareText(r.SumCat1); }},
    {{"ars"}, [](const PackageRun &r) { return HectareText(r.SumCat2); }},
    {{"arsg"}, [](const PackageRun &r) { return HectareText(r.SumCat1 + r.SumCat2 + r.SumCat3); }},
    {{"ark"}, [](const PackageRun &r) { return HectareText(r.SumCat3); }},
    {{"ari"}, [](const PackageRun &r) { return HectareText(r.SumCat4); }},
    {{"arzagkor", "zagkor"}, [](const PackageRun &r) { return HectareText(r.TotalArea); }},
};

} // namespace

QString HectareText(double squareMetres)
{
    return zova::Format4(zova::Hectares(squareMetres));
}

QString CouncilNameText(const PackageRun &run)
{
    return run.CouncilName + QLatin1Char(' ');
}

std::optional<QString> CommonBookmarkValue(const QString &name, const PackageRun &run)
{
    for (const CommonBookmark &b : commonBookmarks)
        for (const char *n : b.Names)
            if (n && name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
                return b.Of(run);
    return std::nullopt;
}

void WriteCommonBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString bookmark = QLatin1String(name);
        const std::optional<QString> value = CommonBookmarkValue(bookmark, run);
        if (!value)
            throw zova::Error(QStringLiteral("Закладка «%1» не має спільного значення документів пакета").arg(bookmark));
        WriteWithItsWords(doc, bookmark, *value);
    }
}

void WriteWithItsWords(office::Document &doc, const QString &bookmark, const QString &value)
{
    doc.Bookmarks(bookmark).SetText(value);
    // The words that introduce a name and close it ("Виконавець робіт: ", "."; " (", ")") go
    // with it when there is none, so no label or brackets stand with nothing in them.
    if (value.trimmed().isEmpty())
        for (const QString &word : {bookmark + QStringLiteral("_lead"), bookmark + QStringLiteral("_tail")})
            if (doc.HasBookmark(word))
                doc.Bookmarks(word).SetText(QString());
}

void WritePlaceBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<PlaceBookmark> bookmarks)
{
    for (const PlaceBookmark &b : bookmarks) {
        const PlaceWords words = run.place(b.Role);
        const QString name = QLatin1String(b.Name);
        if (b.Text == PlaceText::Word || b.Text == PlaceText::WordCapital) {
            QString word = words.kind.trimmed();
            if (b.Text == PlaceText::WordCapital && !word.isEmpty())
                word[0] = word[0].toUpper();
            doc.Bookmarks(name).SetText(word);
            continue;
        }
        const auto shown = [&](const QString &text) { return b.Text == PlaceText::NameCapitals ? zova::UpperCase(text) : text; };
        doc.Bookmarks(name).SetText(shown(words.name));
        if (const QString kind = name + QStringLiteral("_kind"); doc.HasBookmark(kind))
            doc.Bookmarks(kind).SetText(shown(words.kind));
    }
}

void WriteCouncilBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<CouncilBookmark> bookmarks)
{
    const CouncilWords words = CouncilWordsOf(run.CouncilName);
    for (const CouncilBookmark &b : bookmarks) {
        QString text = b.Text == CouncilText::Kind ? words.kind : words.head;
        if (b.Text == CouncilText::HeadInText && !text.isEmpty())
            text[0] = text[0].toLower();
        doc.Bookmarks(QLatin1String(b.Name)).SetText(text);
    }
}

std::vector<Signer> UnnamedSigners(const office::Document &doc, const PackageRun &run)
{
    std::vector<Signer> unnamed;
    for (const CommonBookmark &b : commonBookmarks) {
        if (!b.Who || !b.Of(run).trimmed().isEmpty())
            continue;
        for (const char *n : b.Names)
            if (n && doc.HasBookmark(QLatin1String(n))) {
                unnamed.push_back(*b.Who);
                break;
            }
    }
    std::sort(unnamed.begin(), unnamed.end());
    return unnamed;
}

QString UnnamedSignerText(Signer who, const QString &where)
{
    const QString staff = QStringLiteral("(Опції → Редагувати штамп)");
    const QString territory = QStringLiteral("(Опції → Визначити територію)");
    const auto line = [&](const char *whom, const QString &menu) {
        return QStringLiteral("%1 не вказано: %2 його прізвища немає %3").arg(QString::fromUtf8(whom), where, menu);
    };
    switch (who) {
    case Signer::Director:
        return line("Директора", staff);
    case Signer::Executor:
        return line("Виконавця", staff);
    case Signer::LandOfficeHead:
        return line("Начальника відділу земельних ресурсів", territory);
    case Signer::CouncilHead:
        return line("Голову ради", territory);
    case Signer::Architect:
        return line("Архітектора", territory);
    case Signer::AdministrationHead:
        return line("Голову адміністрації", territory);
    }
    return QString();
}

QString UnnamedOrganisationText(const QString &where)
{
    return QStringLiteral("Організацію-виконавця не задано: %1 її назви немає (Опції → Редагувати штамп)").arg(where);
}

bool NamesOrganisation(const office::Document &doc)
{
    for (const char *name : {"org", "org1", "orgname", "orgname1"})
        if (doc.HasBookmark(QLatin1String(name)))
            return true;
    return false;
}

void WriteBookmarks(office::Document &doc, std::initializer_list<BookmarkText> bookmarks)
{
    for (const BookmarkText &b : bookmarks)
        doc.Bookmarks(QLatin1String(b.Name)).SetText(b.Text);
}

} // namespace registers
