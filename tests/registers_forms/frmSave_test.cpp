#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "platform/regkey.h"
#include "platform/scriptedprompts.h"
#include "registers/folders.h"
#include "registers/forms/frmSave.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/support/fulldisk.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using documents::options;
using registers::folders;

namespace {

class frmSaveTest : public dialogtesting::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        registers::resetFolders();
        forgetLastFolder();
    }
    static void forgetLastFolder()
    {
        platform::RegKey().SetKeyValue(kKey, kValue, QString(), platform::RegKey::RegSz);
    }
    static QString keptFolder() { return platform::RegKey().QueryValue(kKey, kValue).toString(); }
    static QLineEdit *pathField(frmSave &w) { return w.findChild<QLineEdit *>(QStringLiteral("txtPath")); }
    static void typePath(frmSave &w, const QString &text)
    {
        pathField(w)->setText(text);
        QTest::keyClick(pathField(w), Qt::Key_Return);
    }
    inline static const QString kKey = QStringLiteral("Software\\VantaFonts\\Zova");
    inline static const QString kValue = QStringLiteral("LastOutputFolder");
    void TearDown() override
    {
        DialogTest::TearDown();
        registers::resetFolders();
    }
    static void click(QWidget &w, const char *name)
    {
        w.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }
};

} // namespace

TEST_F(frmSaveTest, StartsAtHomeThenWhereTheLastChoiceWasLeft)
{
    {
        frmSave w;
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Виберіть каталог для файлів"));
        EXPECT_EQ(w.currentFolder(), QDir::homePath());
        EXPECT_EQ(pathField(w)->text(), QDir::toNativeSeparators(QDir::homePath()));
        EXPECT_NE(w.findChild<QTreeView *>(QStringLiteral("Dir1")), nullptr);
        EXPECT_GE(w.findChild<QComboBox *>(QStringLiteral("Drive1"))->findData(QStringLiteral("/")), 0);
        dialogtesting::keepPicture(&w, QStringLiteral("frmSave"));
    }
    const QString chosen = testsupport::tempDir();
    {
        frmSave w;
        w.show();
        w.setCurrentFolder(chosen);
        click(w, "Command1");
    }
    // Kept in the settings, so the next run opens there too; a folder gone since means home again.
    EXPECT_EQ(keptFolder(), chosen);
    {
        frmSave w;
        EXPECT_EQ(w.currentFolder(), chosen);
        EXPECT_EQ(pathField(w)->text(), QDir::toNativeSeparators(chosen));
        w.setCurrentFolder(QStringLiteral("/"));
        click(w, "Command2");
    }
    EXPECT_EQ(keptFolder(), chosen); // a cancel keeps nothing
    ASSERT_TRUE(QDir(chosen).removeRecursively());
    EXPECT_EQ(frmSave().currentFolder(), QDir::homePath());
}

TEST_F(frmSaveTest, TakesATypedOrPastedFolder)
{
    const QString base = testsupport::tempDir();
    const QString typed = base + QStringLiteral("/Документи/плани");
    ASSERT_TRUE(QDir().mkpath(typed));
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/.hidden")));
    frmSave w;
    w.show();

    // Enter moves the tree there and leaves the dialog open.
    typePath(w, typed);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.currentFolder(), typed);
    EXPECT_EQ(folders().ReportFolder, QString());

    // A folder that is not there is said so, and nothing moves or is accepted.
    typePath(w, base + QStringLiteral("/немає"));
    click(w, "Command1");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.currentFolder(), typed);
    ASSERT_EQ(scripted->calls.size(), 2u);
    EXPECT_TRUE(scripted->calls[0].message.text.startsWith(QStringLiteral("Такої теки немає:"))) << scripted->calls[0].message.text.toStdString();
    EXPECT_TRUE(scripted->calls[0].message.text.contains(base + QStringLiteral("/немає")));
    EXPECT_EQ(options().OutputFolder, QString());

    // Typed and accepted at once, relative to the folder shown, with a trailing separator, hidden.
    const struct {
        QString text, folder;
    } cases[] = {
        {base + QStringLiteral("/Документи/"), base + QStringLiteral("/Документи")},
        {QStringLiteral("плани"), typed},
        {base + QStringLiteral("/.hidden"), base + QStringLiteral("/.hidden")},
        {QStringLiteral("~"), QDir::homePath()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        frmSave picker;
        picker.show();
        picker.setCurrentFolder(base + QStringLiteral("/Документи"));
        pathField(picker)->setText(c.text);
        click(picker, "Command1");
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(folders().ReportFolder, c.folder);
        EXPECT_EQ(options().OutputFolder, c.folder + QStringLiteral("/"));
    }
}

TEST_F(frmSaveTest, TheTreeShowsTheFolderItStartsAtAndATypedOne)
{
    // Deep in a crowded folder, whose listing comes in after the picker is shown: the tree must
    // still open its way down to the folder and keep it in sight.
    const QString base = testsupport::tempDir();
    for (int k = 0; k < 400; ++k)
        ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/d%1").arg(k, 3, 10, QLatin1Char('0'))));
    const QString last = base + QStringLiteral("/d350/плани");
    const QString typed = base + QStringLiteral("/d020/акти");
    ASSERT_TRUE(QDir().mkpath(last));
    ASSERT_TRUE(QDir().mkpath(typed));
    platform::RegKey().SetKeyValue(kKey, kValue, last, platform::RegKey::RegSz);

    frmSave w;
    w.show();
    auto *tree = w.findChild<QTreeView *>(QStringLiteral("Dir1"));
    const auto *model = static_cast<const QFileSystemModel *>(tree->model());
    const auto inSight = [&](const QString &folder) {
        const QModelIndex current = tree->currentIndex();
        return current.isValid() && model->filePath(current) == folder && tree->viewport()->rect().contains(tree->visualRect(current));
    };
    // Looked at once the crowded folder is listed whole and its rows are laid out.
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(model->index(base)) == 400; }, 10000));
    QTest::qWait(300);
    EXPECT_TRUE(inSight(last));
    typePath(w, typed);
    QTest::qWait(300);
    EXPECT_TRUE(inSight(typed));
    EXPECT_EQ(w.currentFolder(), typed);
}

TEST_F(frmSaveTest, AcceptingSetsBothFolders)
{
    const QString below = testsupport::tempDir();
    const struct {
        QString folder, report, output;
    } cases[] = {
        {below, below, below + QStringLiteral("/")},
        {QStringLiteral("/"), QStringLiteral("/"), QStringLiteral("/")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        frmSave w;
        w.show();
        w.setCurrentFolder(c.folder);
        click(w, "Command1");
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(folders().ReportFolder, c.report);
        EXPECT_EQ(options().OutputFolder, c.output);
    }
}

TEST_F(frmSaveTest, AFolderThatCannotBeKeptForTheNextRunIsUsedAndTheOperatorIsTold)
{
    // Settings that cannot be written, whoever runs the test: their folder's place is a file, or
    // the disk is full.
    const QString blocked = testsupport::tempDir();
    QFile file(blocked + QStringLiteral("/settings"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    struct Place {
        std::string name;
        QString settings;
        std::unique_ptr<testsupport::FullDisk> disk;
        qint64 room = 0;
    };
    std::vector<Place> places;
    places.push_back({"the settings folder is a file", file.fileName() + QStringLiteral("/config"), nullptr});
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        auto disk = std::make_unique<testsupport::FullDisk>(way);
        const QString settings = disk->dir();
        places.push_back({testsupport::FullDisk::name(way), settings, std::move(disk)});
    }
    // One page left, which the new file and the lock held while it is written cannot both take.
    if (testsupport::FullDisk::ways().back() == testsupport::FullDisk::Tmpfs) {
        auto disk = std::make_unique<testsupport::FullDisk>(testsupport::FullDisk::Tmpfs);
        const QString settings = disk->dir();
        places.push_back({"a page left", settings, std::move(disk), 4096});
    }
    const QString chosen = testsupport::tempDir();
    const QString earlier = testsupport::tempDir();
    for (Place &p : places) {
        SCOPED_TRACE(p.name);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, p.settings);
        const bool kept = p.room > 0;
        if (kept)
            ASSERT_TRUE(platform::RegKey().SetKeyValue(kKey, kValue, earlier, platform::RegKey::RegSz));
        const QByteArray before = testsupport::fileBytes(platform::RegKey::FileName());
        if (p.disk)
            p.disk->fill(p.room);
        scripted->calls.clear();
        frmSave w;
        w.show();
        w.setCurrentFolder(chosen);
        click(w, "Command1");
        if (p.disk)
            p.disk->release();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(folders().ReportFolder, chosen);
        ASSERT_EQ(scripted->messages().size(), 1);
        EXPECT_TRUE(scripted->messages()[0].startsWith(QStringLiteral("Не вдалося зберегти вибрану теку для наступного запуску")))
            << scripted->messages()[0].toStdString();
        EXPECT_EQ(scripted->calls[0].message.icon, platform::MsgIcon::Exclamation);
        EXPECT_NE(keptFolder(), chosen);
        if (kept) {
            EXPECT_EQ(keptFolder(), earlier);
            EXPECT_EQ(testsupport::fileBytes(platform::RegKey::FileName()), before);
        }
    }
    // Back to a settings folder of this test program alone.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir());
}

TEST_F(frmSaveTest, CancelAndTheWindowBoxChangeNothing)
{
    for (const char *how : {"Command2", "close box"}) {
        SCOPED_TRACE(how);
        folders().ReportFolder = QStringLiteral("/srv/pkg");
        options().OutputFolder = QStringLiteral("/srv/out/");
        frmSave w;
        w.show();
        w.setCurrentFolder(QStringLiteral("/"));
        if (QByteArray(how) == "close box")
            w.close();
        else
            click(w, how);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(folders().ReportFolder, QStringLiteral("/srv/pkg"));
        EXPECT_EQ(options().OutputFolder, QStringLiteral("/srv/out/"));
    }
}

TEST_F(frmSaveTest, ADriveThatCannotBeReadKeepsTheFolder)
{
    frmSave w;
    w.show();
    auto *drive = w.findChild<QComboBox *>(QStringLiteral("Drive1"));
    const int before = drive->currentIndex();
    const QString folder = w.currentFolder();
    drive->addItem(QStringLiteral("E:"), QStringLiteral("/nonexistent-zova-drive"));
    drive->setCurrentIndex(drive->count() - 1);
    ASSERT_EQ(scripted->calls.size(), 1u);
    EXPECT_EQ(scripted->calls[0].message.text, QStringLiteral("Вставте диск..."));
    EXPECT_EQ(scripted->calls[0].message.title, QStringLiteral("Zemograf"));
    EXPECT_EQ(scripted->calls[0].message.icon, platform::MsgIcon::None);
    EXPECT_EQ(drive->currentIndex(), before);
    EXPECT_EQ(w.currentFolder(), folder);
    EXPECT_TRUE(w.isVisible());

    // A readable drive moves the folder list to its root.
    const QString medium = testsupport::tempDir();
    drive->addItem(QStringLiteral("F:"), medium);
    drive->setCurrentIndex(drive->count() - 1);
    EXPECT_EQ(w.currentFolder(), medium);
    EXPECT_EQ(scripted->calls.size(), 1u);
}

TEST_F(frmSaveTest, TheDocumentDialogOpensThePickerAndThenSaves)
{
    registers::installOutputFolderPicker();
    const QString chosen = testsupport::tempDir();
    options().DocAction = documents::ActionSave;
    frmWord w;
    w.show();
    bool seen = false;
    dialogtesting::whenModal(QStringLiteral("frmSave"), [&](QWidget *picker) {
        seen = true;
        static_cast<frmSave *>(picker)->setCurrentFolder(chosen);
        picker->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    click(w, "bKatalog");
    ASSERT_TRUE(seen);
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("lWP"))->text(),
              QStringLiteral("Файли буде збережено: ") + chosen + QStringLiteral("/"));
    click(w, "Command1");
    EXPECT_TRUE(options().DocDialogOk);
    EXPECT_TRUE(scripted->calls.empty());
}
