#pragma once

// Helpers for tests of modal dialogs: act on a dialog once it is up, and keep a picture of it.

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/scriptedprompts.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dialogtesting {

/// Runs `act` on the modal widget named `name` as soon as the event loop shows it; gives up (and
/// the waiting exec() stays open, which the test then sees) after about two seconds.
inline void whenModal(const QString &name, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, name, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name) {
            timer->deleteLater();
            timer->stop();
            act(modal);
        } else if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

/// Saves a picture of `widget` as <name>.png into ZOVA_SCREENSHOT_DIR when that is set.
inline void keepPicture(QWidget *widget, const QString &name)
{
    const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

/// A test of the document dialogs: fresh document options, scripted prompts, no folder picker.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        documents::resetOptions();
        auto p = std::make_unique<platform::ScriptedPrompts>();
        scripted = p.get();
        platform::setPrompts(std::move(p));
    }
    void TearDown() override
    {
        platform::setPrompts(nullptr);
        frmWord::setOutputFolderPicker(nullptr);
        documents::resetOptions();
    }
    platform::ScriptedPrompts *scripted = nullptr;
};

} // namespace dialogtesting
