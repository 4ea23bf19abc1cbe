#pragma once

// Helpers for tests of modal dialogs: act on a dialog once it is up, and keep a picture of it.

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/scriptedprompts.h"
#include "tests/support/widgettesting.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dialogtesting {

using widgettesting::keepPicture;
using widgettesting::whenModal;

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
