#pragma once

#include <QString>

namespace testsupport {

/// The source tree's top folder.
QString sourceDir();
/// The program folder the build laid out (zova, Dots/, mybase.dat).
QString programDir();
/// A fresh temporary folder for one test; removed when the test program ends.
QString tempDir();
/// A path under samples/ or tests/ of the source tree.
QString sourcePath(const QString &relative);

} // namespace testsupport
