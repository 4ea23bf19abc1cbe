#pragma once

#include <QString>
#include <cstdint>

namespace reference {

/// The person who signs for the approving body `id` (pog_pib.pib); empty when the body has no
/// person row. Throws zova::Error on a database failure.
QString ApprovalPerson(int32_t id);

/// Adds an approving body (pog_name) and the person who signs for it (pog_pib) in one
/// transaction; the person's row takes the id the database gave the body's row, whatever ids the
/// table held before. Returns that id. Throws zova::Error on a database failure; then neither row
/// is stored.
int32_t AddApprovalBody(const QString &body, const QString &person);

/// Writes the person and then the name of the approving body `id` in one transaction; a body
/// without a person row gets one. Throws zova::Error when there is no such body or the database
/// fails; then nothing is changed.
void EditApprovalBody(int32_t id, const QString &body, const QString &person);

} // namespace reference
