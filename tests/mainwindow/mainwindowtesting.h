#pragma once

// The main window on a fresh copy of the built database, with scripted prompts, a recording
// desktop, clean state, its own program folder and its own data folder.

#include "documents/docoptions.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/state.h"
#include "model/state.h"
#include "platform/desktop.h"
#include "platform/scriptedprompts.h"
#include "reference/baseconnection.h"
#include "reference/state.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace mainwindowtesting {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model::resetState();
        reference::resetState();
        mainwindow::resetState();
        auto p = std::make_unique<platform::ScriptedPrompts>();
        prompts = p.get();
        platform::setPrompts(std::move(p));
        auto d = std::make_unique<platform::RecordingDesktop>();
        desktop = d.get();
        oldDesktop = platform::setDesktop(std::move(d));

        programDir = testsupport::tempDir();
        dataDir = testsupport::tempDir();
        const QString base = QDir(dataDir).filePath(QStringLiteral("mybase.dat"));
        ASSERT_TRUE(QFile::copy(QDir(testsupport::programDir()).filePath(QStringLiteral("mybase.dat")), base));
        QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner);
        QString error;
        ASSERT_TRUE(reference::OpenBase(base, &error)) << error.toStdString();
    }

    void TearDown() override
    {
        window.reset();
        reference::CloseBase();
        platform::setDesktop(std::move(oldDesktop));
        platform::setPrompts(nullptr);
    }

    frmMain &open()
    {
        window = std::make_unique<frmMain>(programDir, dataDir);
        return *window;
    }

    template <typename T = QWidget>
    T *control(const char *name) const
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTreeWidget *tree() const { return control<QTreeWidget>("MyTree"); }
    QString panel(int n) const { return control<QLabel>(n == 2 ? "stPanel2" : "stPanel3")->text(); }
    QTreeWidgetItem *node(const QString &key) const
    {
        QTreeWidget *t = tree();
        for (int i = 0; i < t->topLevelItemCount(); ++i) {
            QTreeWidgetItem *p = t->topLevelItem(i);
            if (frmMain::NodeKey(p) == key)
                return p;
            for (int j = 0; j < p->childCount(); ++j)
                if (frmMain::NodeKey(p->child(j)) == key)
                    return p->child(j);
        }
        return nullptr;
    }
    /// Answers the next open dialog with a file and a filter index.
    void answerOpen(const QString &path, int filter)
    {
        platform::FileDialogResult r;
        r.accepted = true;
        r.path = path;
        r.fileTitle = QFileInfo(path).fileName();
        r.filterIndex = filter;
        prompts->files.push_back(r);
    }

    platform::ScriptedPrompts *prompts = nullptr;
    platform::RecordingDesktop *desktop = nullptr;
    std::unique_ptr<platform::Desktop> oldDesktop;
    QString programDir; ///< what ships: the help file, Dots
    QString dataDir;    ///< the operator's: mybase.dat, Export
    std::unique_ptr<frmMain> window;
};

} // namespace mainwindowtesting
