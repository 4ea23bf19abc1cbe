#include "documents/actwording.h"

#include "model/state.h"
#include "reference/lookups.h"
#include "reference/state.h"

#include <QRegularExpression>
#include <optional>

namespace documents {

namespace {

const QString CodeCouncilCommittee = QStringLiteral("РВ");
const QString CodeCouncilSession = QStringLiteral("РС");
const QString CodeAdministration = QStringLiteral("РА");
const QString CodeAdministrationHead = QStringLiteral("РГ");

/// The text without its last `k` characters followed by `ending`; nothing when it is shorter
/// than that.
std::optional<QString> Cut(const std::optional<QString> &word, int k, const QString &ending = QString())
{
    if (!word || word->size() < k)
        return std::nullopt;
    return word->left(word->size() - k) + ending;
}

/// The text up to its first blank; nothing for an empty text, which has no words.
std::optional<QString> FirstWord(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    return text.section(QLatin1Char(' '), 0, 0);
}

/// The district (or city) administration in the genitive: the district's adjective less two
/// letters, or for a city (the territory dialog lists it as "м Біла Церква", a first word of one
/// letter) the city's adjective less one, then "ої" and the administration. The city's adjective
/// is the first word of the centre's name, which is the city council's ("Білоцерківська міська")
/// also where a council below the city is chosen; cutting the council's whole name printed
/// "Білоцерківська міської міськдержадміністрації".
std::optional<QString> AdministrationGenitive(const ActTerritory &t)
{
    std::optional<QString> word = FirstWord(t.DistrictName);
    if (word && word->size() == 1)
        return Cut(FirstWord(t.CentreName), 1, QStringLiteral("ої міськдержадміністрації"));
    return Cut(word, 2, QStringLiteral("ої райдержадміністрації"));
}

} // namespace

ActTerritory CurrentActTerritory()
{
    const reference::State &r = reference::state();
    return {r.DistrictName, r.CentreName, r.CouncilGenitive2, r.CouncilDative,
            model::state().Golova, r.GolAdm};
}

ActWording ComputeActWording(const QString &pz, const ActTerritory &t, uint8_t who, uint8_t storage)
{
    ActWording w;
    w.PzParts = pz.split(QLatin1Char(','));
    const QString code = w.PzParts.value(0);
    const bool sessionCode = code == CodeCouncilSession;
    const bool administrationCode = code == CodeAdministration || code == CodeAdministrationHead;
    w.Order = administrationCode;

    // The parts after the code: a session's decision gives its date and its wording, the others
    // their number and date.
    const auto part = [&](int i) -> std::optional<QString> {
        if (i < w.PzParts.size())
            return w.PzParts[i];
        static const char *const names[2][2] = {{"номера рішення", "дати рішення"}, {"дати рішення", "назви рішення"}};
        if (pz.trimmed().isEmpty())
            return std::nullopt; // said once below
        w.Problems << QStringLiteral("У підставі надання «%1» немає %2").arg(pz, QString::fromUtf8(names[sessionCode][i - 1]));
        return std::nullopt;
    };
    if (pz.trimmed().isEmpty())
        w.Problems << QStringLiteral("Не вказано підставу надання ділянки (PZ)");

    std::optional<QString> adm;
    if (administrationCode || who == SignsAdministrationHead) {
        adm = AdministrationGenitive(t);
        if (!adm)
            w.Problems << (t.DistrictName.isEmpty()
                               ? QStringLiteral("Не вибрано район: назви райдержадміністрації немає")
                               : QStringLiteral("З назви району «%1» не вдалося утворити назву адміністрації").arg(t.DistrictName));
    }

    if (code == CodeCouncilCommittee || sessionCode) {
        w.Issuer = t.CouncilGenitive2;
        w.IssuerIsCouncil = true;
    } else if (administrationCode) {
        w.Issuer = adm.value_or(QString());
    } else {
        w.Issuer = reference::GetPzDesk(code.trimmed());
        if (!code.trimmed().isEmpty() && w.Issuer == QStringLiteral("PZ is Empty"))
            w.Problems << QStringLiteral("Код підстави надання «%1» не знайдено в довіднику").arg(code);
    }
    if (code == CodeCouncilCommittee)
        w.BodyWord = QStringLiteral("виконкому");
    else if (administrationCode)
        w.BodyWord = QStringLiteral("розпорядження");
    const std::optional<QString> first = part(1), second = part(2);
    if (sessionCode) {
        w.BodyWord = second.value_or(QString());
        if (first)
            w.DecisionText = QStringLiteral(" від ") + *first + QStringLiteral("р.");
    } else if (first && second) {
        w.DecisionText = QStringLiteral(" від ") + *second + QStringLiteral("р. № ") + *first;
    }
    if (!administrationCode)
        w.DecisionLead = w.BodyWord.isEmpty() ? QStringLiteral("рішення") : QStringLiteral("рішення ");
    if (who == SignsAdministrationHead)
        w.AdmGenitive = adm.value_or(QString());

    // The land office and where the act is kept, from the district centre's first word; a centre
    // whose name ends in "а" is a city's. A city's adjective ("Білоцерківська") loses its "а", a
    // district's ("Києво-Святошинський") its "ий", whatever keeps the act: cutting the district's
    // one letter would print "Києво-Святошинськиого районного" and "...ськиій райдержадміністрації".
    const std::optional<QString> centre = FirstWord(t.CentreName);
    const bool city = t.CentreName.endsWith(QChar(0x0430));
    w.CityOffice = city;
    const int ending = city ? 1 : 2;
    std::optional<QString> office = Cut(centre, ending), kept;
    switch (storage) {
    case KeptAtLandOffice:
        kept = Cut(centre, ending, city ? QStringLiteral("ому міськвідділі зем.ресурсів")
                                        : QStringLiteral("ому райвідділі зем.ресурсів"));
        break;
    case KeptAtCouncil:
        kept = city ? Cut(centre, 1, QStringLiteral("ій міській")) : std::optional<QString>(t.CouncilDative);
        w.KeptAtCouncil = true;
        break;
    case KeptAtAdministration:
        kept = Cut(centre, ending, city ? QStringLiteral("ій міськдержадміністрації") : QStringLiteral("ій райдержадміністрації"));
        break;
    default:
        w.Problems << QStringLiteral("Не вибрано, де зберігається акт");
        break;
    }
    if (storage >= KeptAtLandOffice && storage <= KeptAtAdministration) {
        if (office)
            w.OfficeAdjective = *office + (city ? QStringLiteral("ого міського") : QStringLiteral("ого районного"));
        else
            w.Problems << (t.CentreName.isEmpty()
                               ? QStringLiteral("Не визначено центр району: назви відділу земельних ресурсів немає")
                               : QStringLiteral("З назви «%1» не вдалося утворити назву відділу земельних ресурсів").arg(t.CentreName));
        w.KeptAt = kept.value_or(QString());
    }

    // Who signs: the council's head, or the administration's when it signs or issued the order.
    if (administrationCode) {
        w.SigningCouncil = w.Issuer;
        w.SigningHead = t.GolAdm;
    } else if (who == SignsAdministrationHead) {
        w.SigningCouncil = w.AdmGenitive;
        w.SigningHead = t.GolAdm;
    } else {
        w.SigningCouncil = t.CouncilGenitive2;
        w.SigningHead = t.Golova;
        w.SigningIsCouncil = true;
    }
    // A head with no name stored leaves the signature line bare; the act says so.
    if (w.SigningHead.trimmed().isEmpty())
        w.Problems << (w.SigningIsCouncil ? QStringLiteral("Голову ради не вказано: в акті його підпис без прізвища "
                                                           "(Опції → Визначити територію)")
                                          : QStringLiteral("Голову адміністрації не вказано: в акті його підпис без прізвища "
                                                           "(Опції → Визначити територію)"));
    return w;
}

QString PurposeForAct(const QString &purpose)
{
    static const QRegularExpression withFor(QStringLiteral("^\\s*для(\\s|$)"), QRegularExpression::CaseInsensitiveOption);
    QString text = purpose.trimmed();
    if (text.isEmpty())
        return text;
    if (!withFor.match(text).hasMatch())
        text.prepend(QStringLiteral("для "));
    // The purpose ends the act's sentence; a split purpose already ends on the "." of "га."/"кв.м.".
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

} // namespace documents
