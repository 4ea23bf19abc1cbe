// The purpose chosen in the main window is the one its documents print: after the purpose dialogs
// refill the list, a renamed purpose stays chosen under its new name, and one that is gone leaves
// the choice empty, which every document made then names in the batch's report.

#include "tests/mainwindow/mainwindowtesting.h"

#include "reference/baseconnection.h"
#include "tests/documents_builders/builderstesting.h"
#include "tests/support/widgettesting.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using mainwindowtesting::MainWindowTest;

namespace {

class PurposeTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The program folder of this window needs the built templates.
        ASSERT_TRUE(QFile::link(QDir(testsupport::programDir()).filePath(QStringLiteral("Dots")),
                                QDir(programDir).filePath(QStringLiteral("Dots"))));
    }

    /// The window with the sample open and parcel 5 checked; its 6-zem row is neither 21 nor 22,
    /// so the new act takes its purpose from the window too.
    frmMain &openWithParcel()
    {
        frmMain &w = openWithSample();
        model::state().Parcels[5].KZ = QStringLiteral("16");
        node(QStringLiteral("5o"))->setCheckState(0, Qt::Checked);
        return w;
    }

    QComboBox *purposes() const { return control<QComboBox>("cmbCil"); }
    QToolButton *editButton() const { return control<QToolButton>("bEdit"); }

    /// Chooses the purpose as the operator does, in the list.
    void choose(const QString &text)
    {
        const int i = purposes()->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        purposes()->setCurrentIndex(i);
        QCoreApplication::processEvents();
        ASSERT_TRUE(editButton()->isEnabled());
    }

    /// "Редагувати (цільове)" with `text` accepted, then closed.
    void rename(const QString &text)
    {
        widgettesting::whenModal(QStringLiteral("frmEditC"), [&](QWidget *d) {
            d->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(text);
            d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            d->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        });
        editButton()->click();
        QCoreApplication::processEvents();
    }

    struct Made {
        QString text;   ///< every paragraph and table cell of the one document made
        QString report; ///< the batch's closing message
    };

    /// Makes the document of the kind button `option` for the checked parcel, saved into a folder
    /// of its own (and copied as `keepAs` into ZOVA_SCREENSHOT_DIR when that is set).
    Made make(const char *option, const QString &keepAs = QString())
    {
        // The kind's tab is brought to the front, as the operator sees it.
        auto *tabs = control<QTabWidget>("SSTab1");
        QRadioButton *button = control<QRadioButton>(option);
        for (QWidget *page = button; page; page = page->parentWidget())
            if (tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
        button->click();
        const QStringList made =
            makeSavedDocuments(QDir(testsupport::tempDir()).filePath(QString::fromLatin1(option)));
        Made result;
        result.report = prompts->messages().isEmpty() ? QString() : prompts->messages().last();
        EXPECT_EQ(made.size(), 1) << result.report.toStdString();
        if (made.size() != 1)
            return result;
        if (const QByteArray keep = qgetenv("ZOVA_SCREENSHOT_DIR"); !keep.isEmpty() && !keepAs.isEmpty())
            QFile::copy(made[0], QDir(QString::fromLocal8Bit(keep)).filePath(keepAs + QStringLiteral(".docx")));
        const QJsonObject docx = builderstesting::readWithPythonDocx(made[0]);
        QStringList texts = docx[QStringLiteral("paragraphs")].toVariant().toStringList();
        for (const QJsonValue &table : docx[QStringLiteral("tables")].toArray())
            for (const QJsonValue &row : table.toArray())
                texts += row.toVariant().toStringList();
        result.text = texts.join(QLatin1Char('\n'));
        return result;
    }
};

// The acts and the plan, each of which prints the window's purpose.
const struct {
    const char *name, *option;
} Kinds[] = {
    {"approval act", "Opt_3"},
    {"approval act for land shares", "Opt_4"},
    {"new state act", "Opt_6"},
    {"cadastral plan", "Opt_0"},
};

} // namespace

TEST_F(PurposeTest, ARenamedPurposeStaysChosenAndEveryDocumentPrintsItsNewName)
{
    frmMain &w = openWithParcel();
    const QString before = QStringLiteral("для городництва");
    const QString after = QStringLiteral("для ведення городництва");
    choose(before);
    rename(after);

    EXPECT_EQ(purposes()->currentText(), after);
    EXPECT_EQ(reference::state().PurposeName, after);
    EXPECT_TRUE(editButton()->isEnabled()) << "a purpose is chosen, so it can be renamed again";
    testsupport::keepPicture(&w, QStringLiteral("frmMain-purpose-renamed"));

    for (const auto &kind : Kinds) {
        SCOPED_TRACE(kind.name);
        const Made made = make(kind.option, QStringLiteral("purpose-renamed-") + QString::fromLatin1(kind.option));
        EXPECT_TRUE(made.text.contains(after)) << made.text.toStdString();
        EXPECT_FALSE(made.text.contains(before)) << made.text.toStdString();
        EXPECT_TRUE(made.report.contains(QStringLiteral("Збережено документів: 1"))) << made.report.toStdString();
        EXPECT_FALSE(made.report.contains(QStringLiteral("Цільове призначення"))) << made.report.toStdString();
    }

    // Renamed twice in one opening of the dialog: the same row, shown and printed by its last name.
    widgettesting::whenModal(QStringLiteral("frmEditC"), [&](QWidget *d) {
        for (const QString &text : {QStringLiteral("для городництва і садівництва"), QStringLiteral("для городництва на орних землях")}) {
            d->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(text);
            d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        }
        d->close();
    });
    editButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(purposes()->currentText(), QStringLiteral("для городництва на орних землях"));
    EXPECT_EQ(purposes()->findText(QStringLiteral("для городництва і садівництва")), -1);
    EXPECT_TRUE(make("Opt_3").text.contains(QStringLiteral("для городництва на орних землях")));

    // Another purpose added keeps this one chosen.
    widgettesting::whenModal(QStringLiteral("frmAddC"), [](QWidget *d) {
        d->findChild<QLineEdit *>(QStringLiteral("txtRes"))->setText(QStringLiteral("для бджільництва"));
        d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        d->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    qobject_cast<QAbstractButton *>(control("bAdd"))->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(purposes()->currentText(), QStringLiteral("для городництва на орних землях"));
    EXPECT_EQ(reference::state().PurposeName, QStringLiteral("для городництва на орних землях"));
}

TEST_F(PurposeTest, APurposeNoLongerInTheDatabaseLeavesNoneChosenAndEveryDocumentSaysSo)
{
    openWithParcel();
    const QString gone = QStringLiteral("для сінокосіння і випасання худоби");
    choose(gone);
    // Another copy of the program removes it from the database meanwhile.
    reference::BaseConn().Execute(QStringLiteral("DELETE FROM cilove WHERE CName = ?"), {gone});

    // The operator tries to rename it: the dialog says it cannot, and its closing refills the list.
    rename(QStringLiteral("для сінокосіння"));
    ASSERT_FALSE(prompts->messages().isEmpty());
    EXPECT_TRUE(prompts->messages().last().contains(QStringLiteral("немає цільового призначення")))
        << prompts->messages().last().toStdString();
    EXPECT_EQ(purposes()->currentIndex(), -1);
    EXPECT_EQ(purposes()->findText(gone), -1);
    EXPECT_TRUE(reference::state().PurposeName.isEmpty());
    EXPECT_FALSE(editButton()->isEnabled());

    for (const auto &kind : Kinds) {
        SCOPED_TRACE(kind.name);
        const Made made = make(kind.option, QStringLiteral("purpose-gone-") + QString::fromLatin1(kind.option));
        EXPECT_FALSE(made.text.contains(gone)) << made.text.toStdString();
        EXPECT_TRUE(made.report.contains(QStringLiteral("Збережено документів: 1"))) << made.report.toStdString();
        EXPECT_TRUE(made.report.contains(QStringLiteral("Цільове призначення ділянки не вибрано")))
            << made.report.toStdString();
    }
}
