#pragma once

// A fresh copy of the built mybase.dat for each test, scripted prompts, clean state and settings.

#include "reference/basefile.h"
#include "reference/baseconnection.h"
#include "reference/state.h"
#include "model/state.h"
#include "platform/scriptedprompts.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace referencetesting {

/// The settings file behind RegKey, in a folder of this test program alone (test programs run in
/// parallel, and Qt's test mode gives them all one settings folder), emptied.
inline void clearSettings()
{
    static const bool isolated = [] {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir());
        return true;
    }();
    (void)isolated;
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VantaFonts"), QStringLiteral("Fnt"));
    s.clear();
    s.sync();
}

/// A copy of the built database in a fresh temporary folder.
inline QString copyOfBase()
{
    const QString source = QDir(testsupport::programDir()).filePath(QStringLiteral("mybase.dat"));
    const QString copy = QDir(testsupport::tempDir()).filePath(QStringLiteral("mybase.dat"));
    EXPECT_TRUE(QFile::copy(source, copy)) << "the build makes " << source.toStdString();
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

/// Clean settings and state and scripted prompts, with no database open: for tests of the start.
/// An office's working copy from the first releases (data version 0: the hand-written territory of
/// tests/reference/data/territory-v0.sql) made at path.
inline void makeOldWorkingCopy(const QString &path)
{
    auto text = [](const char *relative) {
        QFile f(testsupport::sourcePath(QString::fromUtf8(relative)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
        return QString::fromUtf8(f.readAll());
    };
    reference::BuildBase(path, text("reference/schema.sql"),
                         text("reference/seed.sql") + text("tests/reference/data/territory-v0.sql"), reference::Territory{},
                         0);
}

class StartTestBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearSettings();
        reference::resetState();
        auto p = std::make_unique<platform::ScriptedPrompts>();
        prompts = p.get();
        platform::setPrompts(std::move(p));
    }
    void TearDown() override
    {
        reference::CloseBase();
        platform::setPrompts(nullptr);
    }
    platform::ScriptedPrompts *prompts = nullptr;
};

class BaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reference::resetState();
        model::resetState();
        clearSettings();
        auto p = std::make_unique<platform::ScriptedPrompts>();
        prompts = p.get();
        platform::setPrompts(std::move(p));
        basePath = copyOfBase();
        QString error;
        ASSERT_TRUE(reference::OpenBase(basePath, &error)) << error.toStdString();
    }
    void TearDown() override
    {
        reference::CloseBase();
        platform::setPrompts(nullptr);
    }
    /// Runs a statement on the open connection (fixture changes).
    static void exec(const QString &sql, const QVariantList &values = {})
    {
        reference::BaseConn().Execute(sql, values);
    }

    platform::ScriptedPrompts *prompts = nullptr;
    QString basePath;
};

} // namespace referencetesting
