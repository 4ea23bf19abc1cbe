#pragma once

#include <QDialog>
#include <memory>

class QFileSystemModel;

namespace Ui {
class frmSave;
}

/// The output-folder picker "Виберіть каталог для файлів". It opens at the folder accepted last
/// (kept in the settings between runs) or, when there is none or it is gone, at the home folder.
/// The path field above the folder tree follows it and takes a typed or pasted folder (Enter moves
/// the tree there). Accepting sets registers::folders().ReportFolder to the folder as shown (a root
/// ends in "/", any other folder does not) and documents::options().OutputFolder to the same
/// folder ending in "/", and keeps the folder for the next time (saying so when the settings
/// cannot keep it). Cancelling or the window box
/// changes nothing. Callers refresh their own folder labels afterwards.
class frmSave : public QDialog {
    Q_OBJECT
public:
    explicit frmSave(QWidget *parent = nullptr);
    ~frmSave() override;

    /// Shows the picker modally over `parent`.
    static void Show(QWidget *parent);

    /// The folder chosen: the one current in the folder list, or one typed in; empty when none.
    QString currentFolder() const;
    /// Makes `folder` current in the folder list and scrolls to it.
    void setCurrentFolder(const QString &folder);

    /// The folder the picker opens at: the one accepted last while it exists, else the home folder.
    static QString StartFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Drive1_Click(int index);
    void Command1_Click();
    /// Moves the folder list to the folder typed in the path field; false (with a message) when
    /// it names no folder that can be read.
    bool goToTypedPath();
    void fillDrives(const QString &start);
    void showFolder(const QString &folder);
    /// Opens the tree down to the folder made current last and scrolls it into sight.
    void revealFolder();

    std::unique_ptr<Ui::frmSave> ui;
    QFileSystemModel *folders = nullptr;
    int driveIndex = -1;  ///< the drive shown before the last change, to go back on failure
    QString m_folder;     ///< the folder chosen: the tree's current one, or one typed in
    QString m_reveal;     ///< the folder to keep in sight while the folders above it are listed
};

namespace registers {
/// Makes the document-action dialog's folder button open frmSave.
void installOutputFolderPicker();
} // namespace registers
