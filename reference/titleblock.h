#pragma once

#include <QString>
#include <array>

namespace reference {

/// The title block of the plans: the eight staff texts of the first worker row, in the order
/// pDur, nDur, pSkl, nSkl, pKresl, nKresl, pChek, nChek, and the organisation of the first organ row.
struct TitleBlock {
    static const std::array<const char *, 8> &StaffColumns();
    std::array<QString, 8> staff;
    QString organ;
    bool operator==(const TitleBlock &) const = default;
};

/// The title block as the tables hold it; an empty table or a Null column reads as empty text.
/// Throws zova::Error on a database failure.
TitleBlock ReadTitleBlock();

/// Stores the title block into the first worker row, then into the first organ row, adding the
/// row to a table that has none. Texts are stored as given. Throws zova::Error on a database
/// failure (the worker row may then be stored already; storing again completes it).
void WriteTitleBlock(const TitleBlock &block);

} // namespace reference
