#include "model/forms/savecommands.h"

#include "model/exchangereader.h"
#include "model/state.h"
#include "platform/scriptedprompts.h"
#include "tests/model/printing.h"
#include "tests/support/fulldisk.h"
#include "tests/support/lockedfiles.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace model;

namespace {

class SaveCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto scripted = std::make_unique<platform::ScriptedPrompts>();
        prompts = scripted.get();
        previous = platform::setPrompts(std::move(scripted));
        resetState();
        platform::NullProgress progress;
        CommitLoad(LoadExchangeFile(testsupport::sourcePath("samples/sofiivska-win.in4"), 2, progress),
                   QStringLiteral("sofiivska-win.in4"), 2);
        state().Parcels[3].Selected = -1;
    }
    void TearDown() override
    {
        platform::setPrompts(std::move(previous));
        resetState();
    }

    void answerSave(const QString &path, int filter)
    {
        prompts->files.push_back({true, path, QFileInfo(path).fileName(), filter});
    }

    platform::ScriptedPrompts *prompts = nullptr;
    std::unique_ptr<platform::Prompts> previous;
};

LoadResult reload(const QString &path, int filter)
{
    platform::NullProgress progress;
    return LoadExchangeFile(path, filter, progress);
}

} // namespace

TEST_F(SaveCommands, SaveAllOrSelectedInTheChosenKind)
{
    const QString dir = testsupport::tempDir();
    answerSave(QDir(dir).filePath("all.in5"), 2);
    mnuSave_Click();
    answerSave(QDir(dir).filePath("chosen.in4"), 4);
    mnuSaveCheket_Click();

    ASSERT_EQ(prompts->calls.size(), 2u);
    const platform::FileDialogRequest &request = prompts->calls[0].file;
    EXPECT_EQ(request.title, "Записати файл");
    ASSERT_EQ(request.filters.size(), 4u);
    EXPECT_EQ(request.filters[3].label, "Стандартний файл (*.in4)");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_TRUE(prompts->messages().isEmpty());

    EXPECT_EQ(reload(QDir(dir).filePath("all.in5"), 4).ParcelCount, 13);
    const LoadResult chosen = reload(QDir(dir).filePath("chosen.in4"), 1);
    ASSERT_EQ(chosen.ParcelCount, 1);
    EXPECT_EQ(chosen.Parcels[1].NM, QString(state().Parcels[3].NM).replace(QStringLiteral("і"), QStringLiteral("i")));
    EXPECT_EQ(state().FileTitle, "chosen.in4");
    EXPECT_EQ(state().FileFilter, 4);
    EXPECT_EQ(state().SaveSelectedOnly, -1);
}

TEST_F(SaveCommands, ADosSaveSaysWhichParcelsAndFieldsLostCharacters)
{
    state().Parcels[2].NM = QStringLiteral("Дем’янчук Мар’яна");
    state().Parcels[2].AD = QStringLiteral("с. Софіївська Борщагівка, ТОВ «Колос»");
    state().Parcels[7].NM = QStringLiteral("Євген Їжак, Фёдор");
    const QString dir = testsupport::tempDir();
    answerSave(QDir(dir).filePath("dos.in5"), 1);
    mnuSave_Click();
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_EQ(prompts->messages()[0],
              "Файл записано, але в кодуванні DOS немає деяких знаків, їх записано як «?»:\n"
              "ділянка 2 (Дем’янчук Мар’яна): NM, AD — ’ « »");
    EXPECT_TRUE(QFile::exists(QDir(dir).filePath("dos.in5")));
    EXPECT_EQ(state().FileName, QDir(dir).filePath("dos.in5"));

    // The same texts in WIN lose nothing.
    answerSave(QDir(dir).filePath("win.in5"), 2);
    mnuSave_Click();
    EXPECT_EQ(prompts->messages().size(), 1);
}

TEST_F(SaveCommands, CancelAndFailure)
{
    mnuSave_Click(); // the script cancels
    EXPECT_TRUE(state().FileName.isEmpty());
    EXPECT_TRUE(prompts->messages().isEmpty());

    answerSave(QStringLiteral("/proc/zova.in5"), 1);
    mnuSave_Click();
    EXPECT_TRUE(state().FileName.isEmpty());
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_TRUE(prompts->messages()[0].contains("/proc/zova.in5")) << prompts->messages()[0].toStdString();
}

TEST_F(SaveCommands, ExportTellsWhereTheFilesWent)
{
    const QString dataDir = testsupport::tempDir();
    ASSERT_TRUE(QDir(dataDir).mkdir("Export"));
    mnuExpMif_Click(dataDir);
    for (const char *name : {"dil.mif", "dil.mid", "ugd.mif", "ugd.mid"})
        EXPECT_TRUE(QFile::exists(QDir(dataDir).filePath(QStringLiteral("Export/") + name))) << name;
    ASSERT_EQ(prompts->messages().size(), 1);
    EXPECT_EQ(prompts->messages()[0], "Файли було збережено в каталог:\n" + dataDir + "/Export/");

    mnuExpMif_Click(QDir(dataDir).filePath("gone"));
    ASSERT_EQ(prompts->messages().size(), 2);
    EXPECT_TRUE(prompts->messages()[1].contains("dil.mif"));
}

TEST_F(SaveCommands, AFullDiskKeepsTheOldFilesAndSaysSo)
{
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        const QDir dir(disk.dir());
        ASSERT_TRUE(dir.mkdir("Export"));
        const QStringList olds = {"saved.in4", "Export/dil.mif", "Export/dil.mid", "Export/ugd.mif",
                                  "Export/ugd.mid"};
        for (const QString &name : olds) {
            QFile old(dir.filePath(name));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old " + name.toLatin1());
        }
        prompts->calls.clear();
        // The whole in4 is smaller than the write buffer: only its last write-out fails.
        disk.fill(0);
        answerSave(dir.filePath("saved.in4"), 4);
        mnuSave_Click();
        mnuExpMif_Click(dir.path());
        disk.release();

        const QStringList messages = prompts->messages();
        ASSERT_EQ(messages.size(), 2);
        EXPECT_TRUE(messages[0].startsWith("Файл не записано.")) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(dir.filePath("saved.in4"))) << messages[0].toStdString();
        EXPECT_TRUE(messages[1].startsWith("Файли не записано.")) << messages[1].toStdString();
        EXPECT_TRUE(state().FileName.isEmpty());
        for (const QString &name : olds) {
            QFile old(dir.filePath(name));
            ASSERT_TRUE(old.open(QIODevice::ReadOnly));
            EXPECT_EQ(old.readAll(), "old " + name.toLatin1());
        }
    }
}

TEST_F(SaveCommands, TheSystemsReasonsReadInUkrainian)
{
    // A real refusal of each kind the machine can give here: a place where no file can be made, a
    // read-only file system (where the test may mount one), a full disk. (No right to write cannot
    // be had as the superuser; the wording of that reason is checked with the others in
    // platform_tests.)
    struct Place {
        const char *name;
        QString folder;
        QString ukrainian;
    };
    std::vector<Place> places{{"no file can be made there", QStringLiteral("/proc"), QStringLiteral("немає такого файлу або теки")}};
    const QString readOnly = testsupport::tempDir();
    const bool mounted = ::system(("mount -t tmpfs -o ro,size=64k tmpfs '" + readOnly.toStdString() + "' 2>/dev/null").c_str()) == 0;
    if (mounted)
        places.push_back({"read-only file system", readOnly, QStringLiteral("файлова система доступна лише для читання")});
    for (const auto &p : places) {
        SCOPED_TRACE(p.name);
        prompts->calls.clear();
        answerSave(QDir(p.folder).filePath("zova.in4"), 4);
        mnuSave_Click();
        ASSERT_EQ(prompts->messages().size(), 1);
        const QString message = prompts->messages()[0];
        for (const char *english : {"Permission denied", "Read-only file system", "No such file", "Unknown error"})
            EXPECT_FALSE(message.contains(QLatin1String(english), Qt::CaseInsensitive)) << message.toStdString();
        EXPECT_TRUE(message.contains(p.ukrainian)) << message.toStdString();
    }
    if (mounted)
        ::system(("umount '" + readOnly.toStdString() + "'").c_str());

    // An earlier file that cannot be replaced: one message, with the system's reason in Ukrainian
    // where Qt has only its own English words.
    for (const testsupport::LockedFile::Way way : testsupport::LockedFile::ways()) {
        SCOPED_TRACE(testsupport::LockedFile::name(way));
        testsupport::LockedFile locked(way, QStringLiteral("earlier.in4"), "earlier");
        prompts->calls.clear();
        answerSave(locked.path(), 4);
        mnuSave_Click();
        ASSERT_EQ(prompts->messages().size(), 1);
        const QString message = prompts->messages()[0];
        EXPECT_TRUE(message.contains(locked.reason())) << message.toStdString();
        EXPECT_FALSE(message.contains(QLatin1String("writable"), Qt::CaseInsensitive)) << message.toStdString();
    }

    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        prompts->calls.clear();
        disk.fill(0);
        answerSave(QDir(disk.dir()).filePath("saved.in4"), 4);
        mnuSave_Click();
        disk.release();
        ASSERT_EQ(prompts->messages().size(), 1);
        const QString message = prompts->messages()[0];
        EXPECT_TRUE(message.contains(way == testsupport::FullDisk::Tmpfs ? QStringLiteral("на диску не залишилося вільного місця")
                                                                          : QStringLiteral("завеликий файл")))
            << message.toStdString();
    }
}
