#pragma once

#include "platform/progresssink.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class frmArt;
}
class QListWidgetItem;

/// What the batch dialog asks of the main window once an import has replaced the parcels.
struct BatchHooks {
    std::function<void()> ClearPicture;       ///< nothing of the previous parcels stays on show
    std::function<void()> EnableMainControls; ///< the controls that need parcels
    std::function<void()> RebuildMainTree;    ///< the tree of the new parcels
    std::function<void(const QString &)> SetStatusText; ///< the counts in the status bar
};

/// The batch dialog: a folder, its files of the mode's pattern, and the work of the mode
/// (model::state().BatchMode when it is made): import the contour files, point lists or exchange
/// files, or print the documents. Modal; it closes after the work.
class frmArt : public QDialog, public platform::ProgressSink {
    Q_OBJECT
public:
    /// The dialog prepared for the mode, showing the current folder.
    explicit frmArt(BatchHooks hooks, QWidget *parent = nullptr);
    ~frmArt() override;

    /// The mode the dialog was made for (1..4, as model::BatchModes).
    int mode() const { return m_mode; }
    /// The folder whose files are listed.
    QString folder() const { return m_folder; }
    /// The folder the last work used, ending in "/"; empty before.
    QString BatchFolder() const { return m_batchFolder; }
    /// The file last chosen in the list; empty when none.
    QString BatchFileName() const { return m_batchFileName; }
    /// Page and copies the last print was given.
    int16_t PrintPage() const { return m_printPage; }
    int16_t PrintCopies() const { return m_printCopies; }

    /// Shows the folder and its files. A folder that cannot be read is told to the operator and
    /// the previous folder stays; returns whether the folder is shown.
    bool Dir1_Change(const QString &path);
    void aFile_Click(QListWidgetItem *item);
    void tPage_Change();
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    /// The work of the mode on all files of the list, or on the one chosen when "Взяти всі
    /// файли" is not ticked. Without a file to work on it says so and the dialog stays.
    void Command1_Click();
    void Command2_Click();

    /// Reads and parses the files, and only when that succeeded replaces the parcels and has the
    /// main window show them; a failure names the file and line and leaves everything as it was.
    /// Lines that hold no point are counted in the status text and told in a message.
    void ReadImportFiles(const QString &folder, const QStringList &names);
    /// Prints page PrintPage of each document, PrintCopies copies, in list order or the last
    /// first; tells the documents that could not be printed, or that there is no printer.
    void PrintDocuments(const QString &folder, const QStringList &names, bool ascending);

    // The progress label.
    void setPhase(const QString &text) override;
    void setRange(int, int) override {}
    void setValue(int) override {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Shows the folder typed into the box, unless it is the one shown.
    void Dir1_Typed();
    void bDir_Click();
    QStringList listedFiles() const;

    std::unique_ptr<Ui::frmArt> ui;
    BatchHooks m_hooks;
    int m_mode = 1;
    QString m_folder;
    QString m_batchFolder;
    QString m_batchFileName;
    int16_t m_printPage = 1;
    int16_t m_printCopies = 1;
};
