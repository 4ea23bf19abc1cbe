// Two copies of the program at work in one folder at the same time: every document either of them
// saves keeps a name of its own, so none replaces another.

#include "office/wordapp.h"
#include "tests/support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

TEST(TwoRunningCopies, KeepEveryListEitherMakesInOneFolder)
{
    const QString folder = QDir(testsupport::tempDir()).filePath(QStringLiteral("two copies"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString maker = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("listmaker"));
    const int count = 30;
    QProcess first, second;
    first.start(maker, {folder, QStringLiteral("перша"), QString::number(count)});
    second.start(maker, {folder, QStringLiteral("друга"), QString::number(count)});
    QStringList saved;
    for (QProcess *copy : {&first, &second}) {
        ASSERT_TRUE(copy->waitForFinished(120000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
        saved << QString::fromUtf8(copy->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // Sixty names told, sixty files there, and no passing file left beside them.
    EXPECT_EQ(saved.size(), 2 * count);
    EXPECT_EQ(QSet<QString>(saved.begin(), saved.end()).size(), 2 * count);
    const QStringList there = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(there.size(), 2 * count) << there.join(QLatin1Char(' ')).toStdString();

    // Each file holds the list it was saved as: every list of both copies is there once.
    office::WordApp word;
    QSet<QString> lists;
    for (const QString &name : there) {
        office::Document &doc = word.Documents_Open(QDir(folder).filePath(name));
        const QString text = doc.Text();
        const qsizetype open = text.indexOf(QLatin1Char('['));
        lists.insert(text.mid(open, text.indexOf(QLatin1Char(']'), open) - open + 1));
        doc.Close();
    }
    for (const char *copy : {"перша", "друга"})
        for (int k = 1; k <= count; ++k)
            EXPECT_TRUE(lists.contains(QStringLiteral("[%1 %2]").arg(QString::fromUtf8(copy)).arg(k, 2, 10, QLatin1Char('0'))))
                << copy << " " << k;
}
