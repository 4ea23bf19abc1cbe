#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace documents {

/// Who signs an act: the main window's choice.
enum WhoChoiceValue : uint8_t { SignsCouncilHead = 1, SignsAdministrationHead = 2 };
/// Where the second copy of an act is kept: the main window's choice.
enum StorageChoiceValue : uint8_t { KeptAtLandOffice = 1, KeptAtCouncil = 2, KeptAtAdministration = 3 };

/// The territory names and officials the wording of an act is made of.
struct ActTerritory {
    QString DistrictName;     ///< its first word is the district's adjective, "м" for a city
    QString CentreName;       ///< its first word names the land office (and a city's administration); a last "а" makes it a city's
    QString CouncilGenitive2; ///< the council's name in the genitive
    QString CouncilDative;    ///< the council's name in the dative
    QString Golova;           ///< head of the council
    QString GolAdm;           ///< head of the district administration
};

/// The program-wide territory and officials as an act reads them.
ActTerritory CurrentActTerritory();

/// The wording of one act: who issued the decision, its date and number, where the act is kept
/// and who signs it. Computed per document; nothing program-wide is changed.
struct ActWording {
    QStringList PzParts;     ///< the grounds for granting split at ","
    QString BodyWord;        ///< kind of decision or issuing organ ("виконкому", "розпорядження", ...)
    /// What stands before BodyWord after "відповідно до": "рішення " before the body that made
    /// the decision, "рішення" where no body follows, nothing before an order, whose BodyWord
    /// ("розпорядження") names the act itself, so that the grounds' word stands once.
    QString DecisionLead;
    QString Issuer;          ///< the issuing body in the genitive
    QString DecisionText;    ///< " від <date>р. № <number>" (with its leading blank)
    QString AdmGenitive;     ///< the administration in the genitive (only when the administration's head signs)
    QString OfficeAdjective; ///< the land office's adjectives ("...ого районного", "...ого міського")
    QString KeptAt;          ///< where the second copy is kept
    QString SigningCouncil;  ///< the council or administration whose head signs
    QString SigningHead;     ///< the name of that head
    bool Order = false;            ///< the grounds are an administration's order ("РА", "РГ"), not a decision
    bool CityOffice = false;       ///< the land office is a city's ("міського"), not a district's ("районного")
    bool IssuerIsCouncil = false;  ///< Issuer is a council's name: the word "ради" follows it
    bool KeptAtCouncil = false;    ///< KeptAt is a council's name: the word "раді" follows it
    bool SigningIsCouncil = false; ///< SigningCouncil is a council's name: "ради" follows it
    /// What could not be worded, one line each in Ukrainian; the texts concerned stay empty.
    QStringList Problems;
};

/// Words an act from its grounds for granting `pz` ("code,number,date"; for code "РС"
/// "code,date,decision"), the territory `t` and the main window's choices of signer (`who`, 1 the
/// council's head, 2 the administration's) and of where the act is kept (`storage`, 1 the land
/// office, 2 the council, 3 the administration). A code without its own rule is looked up in the
/// grounds table for the issuer. The names are made by cutting letters off first words and adding
/// fixed endings; a word too short to cut leaves its text empty and a problem, and so does a signing
/// head with no name. Throws zova::Error
/// on a database failure.
ActWording ComputeActWording(const QString &pz, const ActTerritory &t, uint8_t who, uint8_t storage);

/// A purpose as an act's "Цільове призначення …:" reads it: the purpose texts of rows 21 and 22
/// (and the split purpose made of them) are genitives that want "для" in front; a text that does
/// not begin with the word "для" gets it. The text ends the act's sentence with one full stop: a
/// split purpose ends on the abbreviation's own ("га.", "кв.м."), which is not doubled. An empty
/// purpose stays empty.
QString PurposeForAct(const QString &purpose);

} // namespace documents
