#pragma once

// The generated 20,000-parcel file in the model and a copy of the built reference database open,
// for the benchmarks of the document commands.

#include "bench/basecopy.h"
#include "bench/generate_in4.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/progresssink.h"

#include <QDir>
#include <QString>

namespace bench {

/// Writes the generated file into `folder`, loads it into the model (no parcel selected) and opens a
/// copy of `programDir`'s mybase.dat made in `folder`. False when the database cannot be opened.
inline bool LoadGeneratedModel(const QString &folder, const QString &programDir)
{
    const QString in4 = QDir(folder).filePath(QStringLiteral("generated.in4"));
    WriteGeneratedIn4(in4);
    platform::NullProgress progress;
    model::CommitLoad(model::LoadExchangeFile(in4, 1, progress), in4, 1);
    return OpenCopyOfBase(folder, programDir);
}

} // namespace bench
