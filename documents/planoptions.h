#pragma once

#include <QString>
#include <cstdint>

namespace documents {

/// Document kinds, the index of the main window's kind buttons.
enum DocKind : uint8_t {
    KindCadastralPlan = 0,
    KindAllotmentPlan = 1,
    KindApprovalPlan = 2,
    KindApprovalAct = 3,
    KindApprovalActShares = 4,
    KindSharesDocumentation = 5,
    KindNewStateAct = 6,
    KindPrivateDocumentation = 7,
};

/// The main window's choices that a document command reads, taken from its controls once when the
/// command starts (the window is blocked while the batch runs).
struct PlanOptions {
    uint8_t Kind = KindCadastralPlan; ///< the chosen kind button
    uint8_t Paper = 1;                ///< 1 A4 portrait, 2 A4 landscape, 3 A3 portrait, 4 A3 landscape
    /// Scale denominator typed or chosen; ignored with AutoScale. 32-bit, so 1:50000 fits.
    int32_t Scale = 0;
    bool AutoScale = true;            ///< choose the scale from each parcel's size
    uint8_t ZovaVariant = 1;          ///< plan variant 1..8
    bool ShowLengths = true;          ///< side lengths on the drawing
    bool ShowPointNumbers = true;     ///< vertex numbers on the drawing
    bool ShowNeighbours = true;       ///< neighbour stubs and letters, and the neighbour table
    bool ShowLandUse = true;          ///< land-use areas on the drawing, and the land table
    bool GroupMode = false;           ///< labels gathered into groups of their kind
    uint8_t AreaUnit = 0;             ///< 0 square metres, 1 hectares
    bool CiloveFlag = false;          ///< purpose line from the 6-zem row instead of PurposeText
    bool DsFlag = true;               ///< KOATUU part in the cadastral number
    uint8_t WhoChoice = 1;            ///< who signs an act: 1 the council's head, 2 the administration's
    uint8_t StorageChoice = 2;        ///< where an act is kept: 1 land office, 2 council, 3 administration
    QString PurposeText;              ///< the text of the purpose combo
    QString ProgramDir;               ///< the program folder (Dots/ lies there); empty: the running program's
};

/// The folder whose Dots/ holds the templates: options.ProgramDir, or the running program's folder.
QString ProgramFolderOf(const PlanOptions &options);

/// True for the two plans.
inline bool IsPlanKind(int kind) { return kind == KindCadastralPlan || kind == KindAllotmentPlan; }
/// True for the three acts.
inline bool IsActKind(int kind)
{
    return kind == KindApprovalAct || kind == KindApprovalActShares || kind == KindNewStateAct;
}
/// True for the kinds that the document batch makes straight from the main window.
inline bool IsBatchKind(int kind) { return IsPlanKind(kind) || IsActKind(kind); }

} // namespace documents
