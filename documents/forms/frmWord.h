#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QButtonGroup;

namespace Ui {
class frmWord;
}

/// The document-action dialog "Що робимо з документом": what happens to each finished document of
/// a batch (documents::options().DocAction), the output folder, and the line-style options.
/// Callers show it with Show() and then read documents::options().DocDialogOk: every way of closing
/// it sets that flag, true only for "Далі".
class frmWord : public QDialog {
    Q_OBJECT
public:
    explicit frmWord(QWidget *parent = nullptr);
    ~frmWord() override;

    /// Shows the dialog modally over `parent`.
    static void Show(QWidget *parent);

    /// Shows the output-folder picker modally over `parent`; the picker sets
    /// documents::options().OutputFolder when a folder is accepted.
    using OutputFolderPicker = std::function<void(QWidget *parent)>;
    /// Installs the picker that the folder button opens (the registers' folder dialog). Without
    /// one, the prompts' folder chooser is asked.
    static void setOutputFolderPicker(OutputFolderPicker picker);

    void done(int result) override;

private:
    void wType_Click(int index);
    void bKatalog_Click();
    void bOpt_Click();
    void Command1_Click();
    void Command2_Click();
    void showFolder();

    std::unique_ptr<Ui::frmWord> ui;
    QButtonGroup *wType = nullptr;
};
