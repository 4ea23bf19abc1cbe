// The register commands tell the operator which parcels their documents were made without, and
// why, in the message that closes each: a parcel that no plan could draw is named with the plans'
// reason by the catalogue, List No 1 and the list with cadastral numbers, on the real message box
// too; and the transmittal note names the organisation and the signers it has no name for.

#include "documents/docoptions.h"
#include "model/exchangeformat.h"
#include "platform/desktop.h"
#include "platform/forms/qtprompts.h"
#include "registers/forms/registercommands.h"
#include "tests/documents_forms/dialogtesting.h"
#include "tests/registers/registerstesting.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class LeftOutMessages : public builderstesting::BuilderTest {
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        auto p = std::make_unique<platform::ScriptedPrompts>();
        scripted = p.get();
        oldPrompts = platform::setPrompts(std::move(p));
        oldDesktop = platform::setDesktop(std::make_unique<platform::RecordingDesktop>());
        out = QDir(testsupport::tempDir()).filePath(QStringLiteral("commands-%1").arg(++runs));
        QDir().mkpath(out);

        using registerstesting::RectangleOf;
        model::Parcel far = RectangleOf(QStringLiteral("12/2"), QStringLiteral("Далекий"), 5585400, 526100, 20, 30);
        far.Points[2].X = model::DecimalValue(u"1D300");
        far.KZ = QStringLiteral("22");
        model::Parcel first = RectangleOf(QStringLiteral("1"), QStringLiteral("Перший"), 5585400, 526000, 20, 30);
        model::Parcel third = RectangleOf(QStringLiteral("3"), QStringLiteral("Третій"), 5585400, 526200, 20, 30);
        first.KZ = third.KZ = QStringLiteral("22");
        model::state().Parcels = documents_test::ListOf({first, far, third});
    }
    void TearDown() override
    {
        platform::setDesktop(std::move(oldDesktop));
        platform::setPrompts(std::move(oldPrompts));
        BuilderTest::TearDown();
    }

    static QString programDir() { return testsupport::programDir(); }

    /// Runs `command` with the real message boxes, as the operator sees them: the text of the one
    /// it shows, which is closed with OK (and kept as `picture` when pictures are asked for).
    static QString onRealMessageBox(const std::function<void()> &command, const QString &picture)
    {
        platform::setPrompts(std::make_unique<platform::QtPrompts>());
        QString shown;
        widgettesting::whenModal(QString(), [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            dialogtesting::keepPicture(box, picture);
            QTest::keyClick(box, Qt::Key_Return);
        });
        command();
        return shown;
    }

    platform::ScriptedPrompts *scripted = nullptr;
    std::unique_ptr<platform::Prompts> oldPrompts;
    std::unique_ptr<platform::Desktop> oldDesktop;
    QString out;
    static inline int runs = 0;
};

const QString refused = QStringLiteral("№ 12/2 (2): Креслення ділянки не можна розмістити на аркуші: точка ");

} // namespace

TEST_F(LeftOutMessages, EachNamesTheParcelItsDocumentsWereMadeWithout)
{
    const struct {
        const char *name;
        std::function<void()> command;
        const char *heading; // the message's first line
    } commands[] = {
        {"List No 1", [] { registers::MakeSpis1Command(programDir()); }, "До списку № 1 не внесено ділянки (1):"},
        {"the list with cadastral numbers", [] { registers::MakeSpisKadKodeCommand(programDir()); },
         "До списку з кадастровими номерами не внесено ділянки (1):"},
        {"the catalogue",
         [this] {
             documents::options().OutputFolder = documents::OutputFolderOf(out);
             dialogtesting::whenModal(QStringLiteral("frmWord"), [](QWidget *d) {
                 d->findChild<QRadioButton *>(QStringLiteral("wType_1"))->click();
                 d->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
             });
             registers::MakeCatalogueCommand(nullptr, programDir(), 0);
         },
         "Збережено документів: 2"},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.name);
        scripted->calls.clear();
        c.command();
        ASSERT_EQ(scripted->calls.size(), 1u) << scripted->messages().join(QStringLiteral("\n---\n")).toStdString();
        const platform::MessageRequest &m = scripted->calls[0].message;
        EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
        const QStringList lines = m.text.split(QLatin1Char('\n'));
        EXPECT_EQ(lines.value(0), QString::fromUtf8(c.heading)) << m.text.toStdString();
        EXPECT_TRUE(lines.last().startsWith(refused)) << m.text.toStdString();
        EXPECT_TRUE(lines.last().contains(QStringLiteral("лежить надто далеко від інших"))) << m.text.toStdString();
    }

    // The operator reads it on the real message box and closes it with OK.
    const QString shown = onRealMessageBox([] { registers::MakeSpisKadKodeCommand(programDir()); },
                                           QStringLiteral("cadastral-list-left-out"));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("До списку з кадастровими номерами не внесено ділянки (1):\n") + refused))
        << shown.toStdString();
}

// The note made from the shipped database, which names no organisation and no director, for a
// territory whose land office head is not stored: the closing message names all three, where the
// operator enters each; with every name stored nothing is told.
TEST_F(LeftOutMessages, TheNoteNamesTheOrganisationAndTheSignersItHasNoNameFor)
{
    model::state().RaiZem.clear();
    registers::MakeNaklCommand(programDir(), QString());
    ASSERT_EQ(scripted->calls.size(), 1u) << scripted->messages().join(QStringLiteral("\n---\n")).toStdString();
    EXPECT_EQ(scripted->calls[0].message.icon, platform::MsgIcon::Exclamation);
    const QString expected = QStringLiteral(
        "Організацію-виконавця не задано: у накладній її назви немає (Опції → Редагувати штамп)\n"
        "Директора не вказано: у накладній його прізвища немає (Опції → Редагувати штамп)\n"
        "Начальника відділу земельних ресурсів не вказано: у накладній його прізвища немає (Опції → Визначити територію)");
    EXPECT_EQ(scripted->calls[0].message.text.toStdString(), expected.toStdString());

    // The operator reads it on the real message box and closes it with OK.
    const QString shown = onRealMessageBox([] { registers::MakeNaklCommand(programDir(), QString()); },
                                           QStringLiteral("note-without-names"));
    EXPECT_EQ(shown.toStdString(), expected.toStdString());

    // Every name stored: the note is made and nothing is told.
    auto again = std::make_unique<platform::ScriptedPrompts>();
    platform::ScriptedPrompts *quiet = again.get();
    platform::setPrompts(std::move(again));
    exec(QStringLiteral("UPDATE worker SET nDur = 'Коваленко І.П.'"));
    exec(QStringLiteral("UPDATE organ SET Organ = 'ТОВ «Земпроект»'"));
    model::state().RaiZem = QStringLiteral("Мороз В.В.");
    registers::MakeNaklCommand(programDir(), QString());
    EXPECT_TRUE(quiet->calls.empty()) << quiet->messages().join(QStringLiteral("\n---\n")).toStdString();
}
