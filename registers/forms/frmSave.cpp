#include "registers/forms/frmSave.h"
#include "ui_frmSave.h"

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/prompts.h"
#include "platform/regkey.h"
#include "registers/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>

namespace {

// Where the folder accepted last is kept between runs.
const QString kSettingsKey = QStringLiteral("Software\\VantaFonts\\Zova");
const QString kLastFolder = QStringLiteral("LastOutputFolder");

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

    // The folders come in a while after they are asked for, and are sorted after that; whenever
    // one above the folder to show is listed, or the rows are sorted, the tree opens down to it
    // again and scrolls it back into sight, for the rows that came in moved it away.
    connect(folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const QString above = QDir::cleanPath(loaded);
        if (!m_reveal.isEmpty() && (above == QLatin1String("/") || m_reveal.startsWith(above + QLatin1Char('/'))))
            revealFolder();
    });
    connect(folders, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!m_reveal.isEmpty())
            revealFolder();
    });
    const QString start = StartFolder();
    fillDrives(start);
    connect(ui->Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        if (index.isValid())
            showFolder(folders->filePath(index));
    });
    setCurrentFolder(start);
    ui->txtPath->installEventFilter(this);

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

QString frmSave::StartFolder()
{
    const QString last = platform::RegKey().QueryValue(kSettingsKey, kLastFolder).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return QDir::cleanPath(last);
    return QDir::homePath();
}

void frmSave::fillDrives(const QString &start)
{
    const QString own = QStorageInfo(start).rootPath();
    for (const QString &root : driveRoots(start))
        ui->Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
    driveIndex = std::max(0, ui->Drive1->findData(own));
    ui->Drive1->setCurrentIndex(driveIndex);
}

QString frmSave::currentFolder() const
{
    return m_folder;
}

void frmSave::showFolder(const QString &folder)
{
    m_folder = folder;
    ui->txtPath->setText(QDir::toNativeSeparators(folder));
}

void frmSave::setCurrentFolder(const QString &folder)
{
    const QModelIndex index = folders->index(folder);
    if (!index.isValid()) {
        // A folder the tree does not list (a hidden one, typed in) is still the one chosen.
        if (QFileInfo(folder).isDir())
            showFolder(QDir::cleanPath(folder));
        return;
    }
    ui->Dir1->setCurrentIndex(index);
    ui->Dir1->expand(index);
    showFolder(folders->filePath(index));
    m_reveal = m_folder;
    revealFolder();
}

void frmSave::revealFolder()
{
    const QModelIndex index = folders->index(m_reveal);
    if (!index.isValid() || ui->Dir1->currentIndex() != index) {
        m_reveal.clear(); // the operator has gone elsewhere meanwhile
        return;
    }
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        ui->Dir1->expand(up);
    ui->Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
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

bool frmSave::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the path field moves the tree; it does not accept the dialog.
    if (watched == ui->txtPath && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goToTypedPath();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmSave::goToTypedPath()
{
    QString typed = QDir::fromNativeSeparators(ui->txtPath->text().trimmed());
    if (typed.isEmpty())
        return true;
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
        typed = QDir::homePath() + typed.mid(1);
    const QString folder = QDir::cleanPath(QDir(currentFolder().isEmpty() ? QDir::homePath() : currentFolder()).absoluteFilePath(typed));
    const QFileInfo info(folder);
    if (!info.isDir()) {
        platform::MsgBox(QStringLiteral("Такої теки немає:\n%1").arg(QDir::toNativeSeparators(folder)), platform::productTitle(),
                         platform::MsgIcon::Exclamation);
        ui->txtPath->setFocus();
        return false;
    }
    if (!info.isReadable() || !info.isExecutable()) {
        platform::MsgBox(QStringLiteral("Вставте диск..."), platform::productTitle());
        return false;
    }
    setCurrentFolder(folder);
    return true;
}

void frmSave::Command1_Click()
{
    if (!goToTypedPath())
        return;
    const QString folder = currentFolder();
    if (folder.isEmpty())
        return;
    registers::folders().ReportFolder = folder;
    documents::options().OutputFolder = documents::OutputFolderOf(folder);
    // The folder serves this run all the same; the operator learns only that the next one will
    // not open at it.
    if (!platform::RegKey().SetKeyValue(kSettingsKey, kLastFolder, folder, platform::RegKey::RegSz))
        platform::ReportSettingsNotStored(QStringLiteral("вибрану теку для наступного запуску"));
    accept();
}

namespace registers {

void installOutputFolderPicker()
{
    frmWord::setOutputFolderPicker([](QWidget *parent) { frmSave::Show(parent); });
}

} // namespace registers
