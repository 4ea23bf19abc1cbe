#pragma once

// Fixtures of the document builder tests: a fresh database copy, clean state, and the packed plan
// templates of the build.

#include "documents/docoptions.h"
#include "documents/state.h"
#include "model/exchangereader.h"
#include "model/state.h"
#include "office/document.h"
#include "platform/progresssink.h"
#include "reference/state.h"
#include "tests/reference/referencetesting.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

namespace builderstesting {

/// The packed template of the build for a file name such as "plma4p_kepr.dotx".
inline QString dotPath(const QString &file)
{
    return QDir(testsupport::programDir()).filePath(QStringLiteral("Dots/") + file);
}

/// Loads a sample exchange file into the model (the DOS in4 by default).
inline void loadSample(const QString &name = QStringLiteral("sofiivska-dos.in4"), int filter = 1)
{
    const QString path = testsupport::sourcePath(QStringLiteral("samples/") + name);
    platform::NullProgress progress;
    model::CommitLoad(model::LoadExchangeFile(path, filter, progress), path, filter);
}

class BuilderTest : public referencetesting::BaseTest {
protected:
    void SetUp() override
    {
        BaseTest::SetUp();
        documents::resetState();
        documents::resetOptions();
        reference::state().plnF = {QStringLiteral("Arial"), 9, false, true};
    }
    void TearDown() override
    {
        documents::resetOptions();
        BaseTest::TearDown();
    }
};

/// The texts of the document's text boxes, in the order they were added.
inline QStringList boxTexts(office::Document &doc)
{
    QStringList texts;
    for (int i = 1; i <= doc.ShapesCount(); ++i)
        if (doc.Shapes(i).Type() == office::Shape::Kind::TextBox)
            texts << doc.Shapes(i).Text();
    return texts;
}

/// Runs a program and returns its standard output; the test fails when it does not end with 0.
inline QByteArray run(const QString &program, const QStringList &args, int timeoutMs = 600000)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(timeoutMs)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

/// What python-docx reads from a saved document: the body paragraphs, the text-box texts and
/// every table's physical cells.
inline QJsonObject readWithPythonDocx(const QString &docx)
{
    const QByteArray out = run(QStringLiteral("/usr/bin/python3"),
                               {testsupport::sourcePath(QStringLiteral("tests/documents_builders/read_docx.py")), docx});
    return QJsonDocument::fromJson(out).object();
}

/// Converts a document to PDF with LibreOffice; returns the PDF path.
inline QString toPdf(const QString &docx, const QString &outDir)
{
    return testsupport::ConvertToPdf(docx, outDir);
}

} // namespace builderstesting
