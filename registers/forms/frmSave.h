#pragma once

#include <QDialog>
#include <memory>

class QFileSystemModel;

namespace Ui {
class frmSave;
}

/// The output-folder picker "Виберіть каталог для файлів". Accepting sets
/// registers::folders().ReportFolder to the folder as shown (a root ends in "/", any other folder
/// does not) and documents::options().OutputFolder to the same folder ending in "/". Cancelling or
/// the window box changes nothing. Callers refresh their own folder labels afterwards.
class frmSave : public QDialog {
    Q_OBJECT
public:
    explicit frmSave(QWidget *parent = nullptr);
    ~frmSave() override;

    /// Shows the picker modally over `parent`.
    static void Show(QWidget *parent);

    /// The folder that the folder list shows as current; empty when none.
    QString currentFolder() const;
    /// Makes `folder` current in the folder list and scrolls to it.
    void setCurrentFolder(const QString &folder);

private:
    void Drive1_Click(int index);
    void Command1_Click();
    void fillDrives();

    std::unique_ptr<Ui::frmSave> ui;
    QFileSystemModel *folders = nullptr;
    int driveIndex = -1;  ///< the drive shown before the last change, to go back on failure
};

namespace registers {
/// Makes the document-action dialog's folder button open frmSave.
void installOutputFolderPicker();
} // namespace registers
