#pragma once

#include "documents/docbatch.h"
#include "documents/docbuilder.h"
#include "office/wordapp.h"
#include "platform/progresssink.h"
#include "registers/reportgroups.h"
#include "registers/territorynames.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace registers {

/// What the package dialog hands to the package run.
struct PackageArguments {
    int16_t StartPage = 0;      ///< first page number of the contents of document 1; advanced by it
    uint8_t PageStep = 0;       ///< pages counted per parcel line in those contents
    QString KspName;            ///< the enterprise name as typed
    QString Arhit;              ///< the district architect
    QString GolAdm;             ///< the head of the district administration
    bool CombinedReport = true; ///< the technical documentation kind makes its combined report
    QString ProgramDir;         ///< the folder whose Dots/ holds the templates; empty: the running program's
};

/// The values formed once per package run, before any document, and read by every document.
/// Areas are square metres.
struct PackageRun {
    const ReportGroupList *Groups = nullptr;
    QString RegionGen;   ///< region in the genitive
    QString DistrictGen; ///< district in the genitive
    QString DistrictName, CentreName; ///< the district as listed ("м Біла Церква") and its centre
    QString CouncilGen;  ///< council in the genitive
    QString CouncilName; ///< the council name without a last word "рада" ("Невизначена" when none was chosen)
    double SumArea = 0;  ///< of every line of every group
    double SumCat1 = 0, SumCat2 = 0, SumCat3 = 0, SumCat4 = 0;
    double TotalArea = 0; ///< land of common ownership
    QString Year;        ///< today's year, four digits
    QString OrganTitle, NDur, NSkl, RaiZem, Golova, PurposeName;
    QString KspName, Arhit, GolAdm;
    int16_t StartPage = 0;
    uint8_t PageStep = 0;
    bool PageNumbers = true;

    const ReportGroupList &groups() const;
    /// The district, or the city of regional importance, named in `role` (PlaceWordsOf).
    PlaceWords place(PlaceRole role) const;
    /// True when the package is a city of regional importance's (IsCityOfRegionalImportance).
    bool city() const;
};

/// Forms the run values from the program-wide state and `args`: an empty or blank region, district
/// or council name in reference::state() first becomes "Невизначена область", "Невизначений район"
/// or "Невизначена рада" there; the documents name the council without a last word "рада", since
/// their texts supply it. The totals are summed over state().ReportGroups.
PackageRun FormPackageRun(const PackageArguments &args);

/// The start page and step read from the package dialog's boxes (leading numbers, halves to the
/// even neighbour; empty boxes give 0), or the message that tells the operator why they cannot be
/// used: a page outside 0..32767, a step outside 0..255, or contents whose page numbers over
/// `groups` would pass 32767 (only when `pageNumbers` is set).
struct PageNumbering {
    int16_t StartPage = 0;
    uint8_t PageStep = 0;
    QString Error; ///< empty when the numbers can be used
};
PageNumbering ReadPageNumbering(const QString &pageText, const QString &stepText, const ReportGroupList &groups,
                                bool pageNumbers);

/// "Пішло часу - M хв. S сек." for the time from `start` to `end` (whole hours shown before the
/// minutes when there are any; a run over midnight counts on).
QString ElapsedText(const QDateTime &start, const QDateTime &end);

/// One document made by a package run.
struct PackageDone {
    int Number = 0; ///< 1..12; 0 for the combined report
    documents::DocumentResult Result;
};

/// A chosen document that could not be made, and why.
struct PackageFailure {
    int Number = 0;
    QString Reason;
};

/// The people whose names the package's documents and the transmittal note print: the title
/// block's director and executor, and the territory's officials.
enum class Signer : uint8_t {
    Director,          ///< "dur" (the note's "ndur"): NDur
    Executor,          ///< "vuk", "vuk1": NSkl
    LandOfficeHead,    ///< "raizem" to "raizem2": RaiZem
    CouncilHead,       ///< "golova" to "golova2": Golova
    Architect,         ///< "arhname", "arhname1": Arhit
    AdministrationHead ///< "goladm", "goladm1": GolAdm
};

/// The outcome of a package run.
struct PackageReport {
    std::vector<PackageDone> Done;
    std::vector<PackageFailure> Failures;
    /// The parcels the documents made are without (state().LeftOut): none when nothing was made.
    std::vector<documents::BatchFailure> LeftOut;
    /// The documents made with no organisation's name where they have a place for it (0 the
    /// combined report), since none is set in the title block.
    std::vector<int> WithoutOrganisation;
    /// The documents made with a place for a signer's name while none is stored (0 the combined
    /// report), by signer.
    std::map<Signer, std::vector<int>> WithoutSigner;
    /// The combined report was made while no purpose is chosen in the main window: its purpose
    /// line is empty.
    bool WithoutPurpose = false;
    /// The message for the operator about the documents made without the organisation or a
    /// signer's name (and the combined report without a purpose), those that
    /// were not made, the parcels left out of those made, and those saved but not opened because
    /// nothing could open them; empty when
    /// all went as asked.
    QString FailureText() const;
};

/// Makes the documentation package in `app`, one session for the whole package. The share kind
/// (state().ReportMode 1) makes every document chosen in state().DocChosen in number order, each from
/// its template, and opens, saves, or saves and prints it under its file name in the package folder
/// (registers::folders().ReportFolder) by documents::options().DocAction, having asked once before
/// saving in place of files of those names there (documents::OutputNames::AskBeforeReplacing);
/// `progress` gets the range 0..12
/// and, after each document whether made or not, its number. The technical documentation kind
/// makes the combined report when args.CombinedReport is set and leaves it open for the operator,
/// saved in the package folder. A document that fails (no template, a bookmark or table the
/// template lacks, a file that cannot be written) is reported with its number and cause and the
/// run goes on with the next. args.StartPage comes back advanced by document 1.
PackageReport MakeReportDocuments(office::WordApp &app, PackageArguments &args, platform::ProgressSink &progress);

} // namespace registers
