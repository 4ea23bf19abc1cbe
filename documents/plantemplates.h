#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace documents {

/// One plan template: which paper and plan variant it serves, where the parcel's centre goes on
/// the page, and which of the document's tables (1-based, in document order) the plan builder fills.
struct ZovaTemplate {
    uint8_t Paper = 0;         ///< 1 A4 portrait, 2 A4 landscape, 3 A3 portrait, 4 A3 landscape
    uint8_t Variant = 0;       ///< plan variant 1..8
    QString FileName;          ///< under Dots/ in the program folder, e.g. "plma4p_k.dotx"
    double CentreX = 0;        ///< page position of the parcel's centre, points from the left
    double CentreY = 0;        ///< points from the top
    int16_t LandTable = 0;     ///< the land-use list or the 6-zem row; 0 when the template has none
    int16_t NeighbourTable = 0;///< the boundary description by neighbours
    int16_t AreaTable = 0;     ///< the area text in cell (1, 1)
    int16_t CatalogueTable = 0;///< the coordinate catalogue; 0 when the template has none
    /// True when the side list is built for the template (the catalogue templates).
    bool BuildsSides() const { return CatalogueTable != 0; }
};

/// The 26 plan templates, by paper and then by variant.
const std::vector<ZovaTemplate> &ZovaTemplates();
/// The template for the paper and variant; nullptr when there is none (variants 7 and 8 exist only
/// on A4 portrait).
const ZovaTemplate *FindZovaTemplate(int paper, int variant);
/// The approval plan's template (poga3l, A3 landscape), whatever the paper and variant: the drawing
/// centred at (300, 550), the approvals in table ApprovalTable, the area in table 2 and the
/// neighbours in table 4; no land table (LandTable 0) and no catalogue.
const ZovaTemplate &ApprovalTemplate();
/// The approval plan's table of the head of the commission, the approving bodies and their persons.
inline constexpr int16_t ApprovalTable = 1;

/// The bookmarks that every plan template (and the approval plan's) carries, in the order the builder fills them.
const QStringList &ZovaBookmarks();

/// What a plan variant's land table is: a list of land-use parts under one heading row, or one
/// data row (row 6) of form 6-zem.
enum class LandTableKind { UseList, SixZemPrivate, SixZemShares, SixZemCommercial, SixZemPublic };
LandTableKind LandTableKindOf(int variant);
/// The columns that the builder writes into the land table of the variant.
int LandTableColumns(int variant);
/// The row of the 6-zem land table that receives the data; the rows above it are its heading.
inline constexpr int SixZemDataRow = 6;
/// Heading rows of the catalogue table; the vertex and side rows are appended below them.
inline constexpr int CatalogueHeadingRows = 2;

} // namespace documents
