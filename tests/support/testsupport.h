#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace testsupport {

/// The source tree's top folder.
QString sourceDir();
/// The program folder the build laid out (zova, Dots/, mybase.dat).
QString programDir();
/// A fresh temporary folder for one test; removed when the test program ends.
QString tempDir();
/// A path under samples/ or tests/ of the source tree.
QString sourcePath(const QString &relative);
/// The bytes of the file; empty when it cannot be read.
QByteArray fileBytes(const QString &path);
/// Saves a picture of `widget` as <name>.png into ZOVA_SCREENSHOT_DIR when that is set.
void keepPicture(QWidget *widget, const QString &name);

/// Sets an environment variable for the life of the object and puts the old value back after.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

/// Converts a document to PDF with LibreOffice headless, the way the program prints, into
/// `outDir`; returns the PDF's path. The conversions of one test program share a profile of their
/// own, one after the other. A busy machine can make an instance start slowly or fail to start:
/// each try may take minutes, and a try that ends without a fresh PDF is made again, in a fresh
/// profile, up to three times in all; the test fails with what LibreOffice said when none gives one.
QString ConvertToPdf(const QString &docx, const QString &outDir);

} // namespace testsupport
