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
#include "tests/documents_forms/dialogtesting.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QPushButton>
#include <QRadioButton>
#include <QMouseEvent>
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
    /// A press and a release with `button` over the node's text, as the operator clicks.
    void clickNode(const QString &key, Qt::MouseButton button = Qt::LeftButton)
    {
        QTreeWidgetItem *n = node(key);
        ASSERT_NE(n, nullptr) << key.toStdString();
        tree()->scrollToItem(n);
        const QPointF at = tree()->visualItemRect(n).center() + QPointF(40, 0);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
            QMouseEvent e(type, at, tree()->viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(tree()->viewport(), &e);
        }
    }
    /// Opens a sample exchange file (windows-1251 in4 by default) through the open command.
    void openSample(const QString &name = QStringLiteral("sofiivska-win.in4"), int filter = 2)
    {
        answerOpen(testsupport::sourcePath(QStringLiteral("samples/") + name), filter);
        window->findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    }
    /// The window shown at a working size with the sample file open and its tree expanded.
    frmMain &openWithSample()
    {
        frmMain &w = open();
        w.resize(1280, 800);
        w.show();
        openSample();
        tree()->expandAll();
        QCoreApplication::processEvents();
        return w;
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

    /// "Зробити план" with the document dialog answered "save without opening" into the new
    /// folder `out`: the .docx files found there afterwards.
    QStringList makeSavedDocuments(const QString &out)
    {
        QDir().mkpath(out);
        documents::options().OutputFolder = documents::OutputFolderOf(out);
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
            d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
        window->findChild<QAction *>(QStringLiteral("mnuGo"))->trigger();
        QStringList made;
        for (QDirIterator it(out, {QStringLiteral("*.docx")}); it.hasNext();)
            made << it.next();
        return made;
    }

    platform::ScriptedPrompts *prompts = nullptr;
    platform::RecordingDesktop *desktop = nullptr;
    std::unique_ptr<platform::Desktop> oldDesktop;
    QString programDir; ///< what ships: the help file, Dots
    QString dataDir;    ///< the operator's: mybase.dat, Export
    std::unique_ptr<frmMain> window;
};

} // namespace mainwindowtesting
