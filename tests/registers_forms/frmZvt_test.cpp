// The documentation package dialog: its layout in both kinds, the checks before a run, and a run
// through the document-action dialog with the folder picked in either dialog.

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "model/state.h"
#include "platform/desktop.h"
#include "reference/state.h"
#include "registers/folders.h"
#include "registers/packagedocuments.h"
#include "registers/forms/frmSave.h"
#include "registers/forms/frmZvt.h"
#include "registers/state.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using registers::folders;
using registers::state;

namespace {

class frmZvtTest : public dialogtesting::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        registers::resetState();
        registers::resetFolders();
        reference::resetState();
        // The title block and the territory's officials as an office fills them.
        reference::State &ref = reference::state();
        ref.OrganTitle = QStringLiteral("ТОВ «Земпроект»");
        ref.NDur = QStringLiteral("Коваленко І.П.");
        ref.NSkl = QStringLiteral("Шевчук О.М.");
        ref.Arhit = QStringLiteral("Литвин О.О.");
        ref.GolAdm = QStringLiteral("Гриценко П.П.");
        model::state().RaiZem = QStringLiteral("Мороз В.В.");
        model::state().Golova = QStringLiteral("Ткаченко Г.С.");
        oldDesktop = platform::setDesktop(std::make_unique<platform::RecordingDesktop>());
        folder = QDir(testsupport::tempDir()).filePath(QStringLiteral("zvt-%1").arg(++runs));
        QDir().mkpath(folder);
        registers::ReportGroup group;
        group.NM = QStringLiteral("Бойко Іван Петрович");
        group.Lines.Add(registers::ReportLine{});
        state().ReportGroups.Add(group);
        state().ReportMode = registers::ReportShares;
    }
    void TearDown() override
    {
        platform::setDesktop(std::move(oldDesktop));
        registers::resetState();
        registers::resetFolders();
        DialogTest::TearDown();
    }

    template <typename T = QWidget>
    static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QString text(QWidget &w, const char *name) { return child<QLabel>(w, name)->text(); }

    /// Answers the document-action dialog: saves without opening and goes on.
    static void answerSave()
    {
        dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
            d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
            d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        });
    }

    std::unique_ptr<platform::Desktop> oldDesktop;
    QString folder;
    static inline int runs = 0;
};

} // namespace

TEST_F(frmZvtTest, OpensWithoutAFolderAndShowsTheFrameOfTheKind)
{
    folders().ReportFolder = QStringLiteral("/srv/earlier");
    frmZvt w(nullptr, testsupport::programDir());
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Звіт"));
    EXPECT_TRUE(folders().ReportFolder.isEmpty());
    EXPECT_EQ(text(w, "lPath"), QStringLiteral("Файли буде збережено: "));
    EXPECT_EQ(child<QGroupBox>(w, "Frame1")->title(), QStringLiteral("Зміст"));
    EXPECT_EQ(text(w, "Label1"), QStringLiteral("Починати зі сторінки"));
    EXPECT_EQ(text(w, "Label2"), QStringLiteral("з кроком"));
    EXPECT_EQ(text(w, "Label3"), QStringLiteral("Назва КСП"));
    EXPECT_TRUE(child<QLineEdit>(w, "txtPage")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(w, "txtStep")->text().isEmpty());
    auto *check1 = child<QCheckBox>(w, "Check1");
    EXPECT_EQ(check1->text(), QStringLiteral("Ставити номери сторінок"));
    EXPECT_TRUE(check1->isChecked());
    EXPECT_TRUE(state().PageNumbers);
    EXPECT_EQ(child<QToolButton>(w, "bust")->toolTip(), QStringLiteral("Редагувати"));
    EXPECT_EQ(child<QToolButton>(w, "bGo")->toolTip(), QStringLiteral("Зробити"));
    EXPECT_EQ(text(w, "lpr"), QStringLiteral("Формуємо звіт"));
    EXPECT_FALSE(child(w, "lpr")->isVisible());
    EXPECT_FALSE(child(w, "pr")->isVisible());
    EXPECT_EQ(child<QProgressBar>(w, "pr")->maximum(), 12);
    EXPECT_TRUE(text(w, "lTime").isEmpty());

    // The twelve document boxes: captions in order; those this program makes are ticked.
    const QStringList captions = {
        QStringLiteral("Титул, пояснювальна, зміст"), QStringLiteral("Клопотання сільської ради"),
        QStringLiteral("Заявка райвідділу, виписка з книги реєстрації"), QStringLiteral("Доручення, технічне завдання"),
        QStringLiteral("Висновок районного відділу"), QStringLiteral("Висновок архітектури"),
        QStringLiteral("Акт про встановлення межових знаків"), QStringLiteral("Рішення сільської ради"),
        QStringLiteral("Розпорядження районної ради"), QStringLiteral("Заявка на видачу державних актів"),
        QStringLiteral("Список до звіту"), QStringLiteral("Експлікація земель")};
    for (int k = 0; k < 12; ++k) {
        auto *box = w.findChild<QCheckBox *>(QStringLiteral("chekDok_%1").arg(k));
        ASSERT_NE(box, nullptr) << k;
        EXPECT_EQ(box->text(), captions[k]);
        const bool made = registers::FindPackageDocument(k + 1) != nullptr;
        EXPECT_EQ(box->isEnabled(), made) << k;
        EXPECT_EQ(box->isChecked(), made) << k;
    }
    EXPECT_EQ(child<QCheckBox>(w, "chTd_0")->text(), QStringLiteral("Звіт"));
    EXPECT_EQ(child<QCheckBox>(w, "chTd_1")->text(), QStringLiteral("Заявка"));
    EXPECT_TRUE(child<QCheckBox>(w, "chTd_0")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "chTd_1")->isChecked());

    for (const auto &[mode, frame, picture] : {std::tuple{registers::ReportShares, "frPai", "frmZvt-shares"},
                                               std::tuple{registers::ReportPrivate, "frTd", "frmZvt-private"}}) {
        w.showFrame(mode);
        auto *shown = child<QGroupBox>(w, frame);
        EXPECT_EQ(w.shownFrame(), shown);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->title(), QStringLiteral("Що формуємо"));
        EXPECT_FALSE(child(w, mode == registers::ReportShares ? "frTd" : "frPai")->isVisible());
        dialogtesting::keepPicture(&w, QString::fromLatin1(picture));
    }
    check1->click();
    EXPECT_FALSE(state().PageNumbers);
}

TEST_F(frmZvtTest, GoNeedsAFolderAndUsableNumbersBeforeAnythingIsAsked)
{
    frmZvt w(nullptr, testsupport::programDir());
    w.show();
    auto *pr = child<QProgressBar>(w, "pr");
    pr->setValue(7);
    // Any dialog that comes up is noted and closed; none should.
    QStringList asked;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            asked << modal->objectName();
            modal->close();
        }
    });
    watch.start(10);
    child<QToolButton>(w, "bGo")->click();
    ASSERT_EQ(scripted->calls.size(), 1u);
    EXPECT_EQ(scripted->calls[0].message.text, QStringLiteral("Вкажіть каталог для збереження файлів !"));
    EXPECT_EQ(scripted->calls[0].message.title, QStringLiteral("Zemograf"));
    EXPECT_EQ(scripted->calls[0].message.icon, platform::MsgIcon::None);
    EXPECT_EQ(pr->value(), 0);

    folders().ReportFolder = folder;
    for (const auto &[page, step] : {std::pair{"40000", "1"}, std::pair{"1", "300"}}) {
        child<QLineEdit>(w, "txtPage")->setText(QString::fromLatin1(page));
        child<QLineEdit>(w, "txtStep")->setText(QString::fromLatin1(step));
        child<QToolButton>(w, "bGo")->click();
    }
    EXPECT_EQ(scripted->messages(),
              (QStringList{QStringLiteral("Вкажіть каталог для збереження файлів !"),
                           QStringLiteral("Починати зі сторінки: вкажіть число від 0 до 32767"),
                           QStringLiteral("Крок: вкажіть число від 0 до 255")}));
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

TEST_F(frmZvtTest, GoMakesThePackageInTheFolderPickedAndShowsTheTime)
{
    frmZvt w(nullptr, testsupport::programDir());
    w.show();
    dialogtesting::whenModal(QStringLiteral("frmSave"), [&](QWidget *picker) {
        static_cast<frmSave *>(picker)->setCurrentFolder(folder);
        picker->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    child<QToolButton>(w, "bust")->click();
    EXPECT_EQ(text(w, "lPath"), QStringLiteral("Файли буде збережено: ") + folder);
    EXPECT_EQ(folders().ReportFolder, folder);

    child<QLineEdit>(w, "txtPage")->setText(QStringLiteral("5"));
    child<QLineEdit>(w, "txtStep")->setText(QStringLiteral("2"));
    answerSave();
    const QSize before = w.size();
    child<QToolButton>(w, "bGo")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.size(), before) << "the dialog keeps its size through a run";
    EXPECT_TRUE(scripted->calls.empty()) << scripted->messages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(QDir(folder).exists(QStringLiteral("p1.docx")));
    EXPECT_TRUE(text(w, "lTime").startsWith(QStringLiteral("Пішло часу - 0 хв. "))) << text(w, "lTime").toStdString();
    EXPECT_TRUE(text(w, "lTime").endsWith(QStringLiteral(" сек.")));
    EXPECT_FALSE(child(w, "pr")->isVisible());
    EXPECT_FALSE(child(w, "lpr")->isVisible());
    EXPECT_EQ(child<QProgressBar>(w, "pr")->value(), 12);
    // Every box that can be ticked was, and each chose its document.
    EXPECT_FALSE(state().DocChosen[0]);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(state().DocChosen[size_t(k)], registers::FindPackageDocument(k) != nullptr) << k;
    EXPECT_EQ(w.lastReport().Done.size(), registers::PackageDocuments().size());
    EXPECT_TRUE(w.isVisible()); // the dialog stays open after a run
}

TEST_F(frmZvtTest, AFolderChosenInTheActionDialogIsTheOneUsed)
{
    const QString other = QDir(testsupport::tempDir()).filePath(QStringLiteral("chosen-later"));
    QDir().mkpath(other);
    frmWord::setOutputFolderPicker([other](QWidget *) {
        // As the folder picker leaves them: the package folder without a separator at its end.
        folders().ReportFolder = other;
        documents::options().OutputFolder = other + QLatin1Char('/');
    });
    frmZvt w(nullptr, testsupport::programDir());
    w.show();
    folders().ReportFolder = folder;
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
        d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
        d->findChild<QPushButton *>(QStringLiteral("bKatalog"))->click();
        d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    child<QToolButton>(w, "bGo")->click();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(other).exists(QStringLiteral("p1.docx")));
    EXPECT_FALSE(QFile::exists(other + QStringLiteral("p1.docx")));
    EXPECT_EQ(text(w, "lPath"), QStringLiteral("Файли буде збережено: ") + other);
}

TEST_F(frmZvtTest, CancelledActionDialogMakesNothing)
{
    frmZvt w(nullptr, testsupport::programDir());
    w.show();
    folders().ReportFolder = folder;
    dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
        d->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    child<QToolButton>(w, "bGo")->click();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(text(w, "lTime").isEmpty());
    EXPECT_TRUE(scripted->calls.empty());
}

TEST_F(frmZvtTest, DocumentsThatFailAreNamedWithTheirCause)
{
    const QString program = QDir(testsupport::tempDir()).filePath(QStringLiteral("no-templates"));
    QDir().mkpath(program);
    frmZvt w(nullptr, program);
    w.show();
    folders().ReportFolder = folder;
    documents::options().OutputFolder = folder + QLatin1Char('/');
    answerSave();
    child<QToolButton>(w, "bGo")->click();
    ASSERT_EQ(scripted->calls.size(), 1u);
    EXPECT_EQ(scripted->calls[0].message.icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(scripted->calls[0].message.text.contains(
        QStringLiteral("Документ 1 «Титул, пояснювальна, зміст»: Немає шаблону документа: ")))
        << scripted->calls[0].message.text.toStdString();
    EXPECT_FALSE(text(w, "lTime").isEmpty());
}
