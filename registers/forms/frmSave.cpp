#include "registers/forms/frmSave.h"
#include "ui_frmSave.h"

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/prompts.h"
#include "registers/folders.h"

#include <QDir>
#include <QFileSystemModel>
#include <QStorageInfo>
#include <QStyle>

namespace {

/// The volumes an operator saves to: the root, anything mounted for removable media, and the
/// volume of `current`. Pseudo file systems (proc, sys, run) are left out.
QStringList driveRoots(const QString &current)
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/"))
            || root.startsWith(QLatin1String("/run/media/")))
            roots.append(root);
    }
    const QString own = QStorageInfo(current).rootPath();
    if (!own.isEmpty())
        roots.append(own);
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

} // namespace

frmSave::frmSave(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmSave>())
{
    ui->setupUi(this);
    ui->Picture1->setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(48, 48));

    folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders->setRootPath(QString());
    ui->Dir1->setModel(folders);
    for (int column = 1; column < folders->columnCount(); ++column)
        ui->Dir1->hideColumn(column);

    fillDrives();
    setCurrentFolder(QDir::currentPath());

    connect(ui->Drive1, &QComboBox::currentIndexChanged, this, &frmSave::Drive1_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmSave::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

frmSave::~frmSave() = default;

void frmSave::Show(QWidget *parent)
{
    frmSave dialog(parent);
    dialog.exec();
}

void frmSave::fillDrives()
{
    const QString current = QDir::currentPath();
    const QString own = QStorageInfo(current).rootPath();
    for (const QString &root : driveRoots(current))
        ui->Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
    driveIndex = std::max(0, ui->Drive1->findData(own));
    ui->Drive1->setCurrentIndex(driveIndex);
}

QString frmSave::currentFolder() const
{
    const QModelIndex index = ui->Dir1->currentIndex();
    return index.isValid() ? folders->filePath(index) : QString();
}

void frmSave::setCurrentFolder(const QString &folder)
{
    const QModelIndex index = folders->index(folder);
    if (!index.isValid())
        return;
    ui->Dir1->setCurrentIndex(index);
    ui->Dir1->expand(index);
    ui->Dir1->scrollTo(index);
}

void frmSave::Drive1_Click(int index)
{
    const QString root = ui->Drive1->itemData(index).toString();
    const QStorageInfo volume(root);
    const QDir dir(root);
    if (root.isEmpty() || !volume.isValid() || !volume.isReady() || !dir.exists() || !dir.isReadable()) {
        platform::MsgBox(QStringLiteral("Вставте диск..."), platform::productTitle());
        const QSignalBlocker block(ui->Drive1);
        ui->Drive1->setCurrentIndex(driveIndex);
        return;
    }
    driveIndex = index;
    setCurrentFolder(root);
}

void frmSave::Command1_Click()
{
    const QString folder = currentFolder();
    if (folder.isEmpty())
        return;
    registers::folders().ReportFolder = folder;
    documents::options().OutputFolder = documents::OutputFolderOf(folder);
    accept();
}

namespace registers {

void installOutputFolderPicker()
{
    frmWord::setOutputFolderPicker([](QWidget *parent) { frmSave::Show(parent); });
}

} // namespace registers
