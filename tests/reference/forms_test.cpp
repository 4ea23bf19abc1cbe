#include "referencetesting.h"

#include "reference/fonts.h"
#include "reference/forms/fillers.h"
#include "reference/forms/frmFnt.h"
#include "reference/forms/frmParam.h"
#include "platform/regkey.h"
#include "tests/support/fulldisk.h"
#include "tests/support/widgettesting.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

using namespace reference;
using platform::FontChoice;
using platform::ScriptedPrompts;
using referencetesting::BaseTest;

namespace {

using widgettesting::keepPicture;

QStringList rowTexts(const QTreeWidgetItem *row)
{
    QStringList t;
    for (int c = 0; c < 5; ++c)
        t << row->text(c);
    return t;
}

QString stored(const char *name)
{
    return FontValueText(platform::RegKey().QueryValue(FontsKey(), QString::fromLatin1(name)));
}

class FontDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        referencetesting::clearSettings();
        resetState();
        WriteDefaultFonts();
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        platform::setPrompts(std::move(p));
        dlg = std::make_unique<frmFnt>();
        dlg->show();
        list = dlg->findChild<QTreeWidget *>(QStringLiteral("lstObj"));
        ok = dlg->findChild<QPushButton *>(QStringLiteral("bOk"));
        ASSERT_TRUE(list && ok);
    }
    void TearDown() override
    {
        dlg.reset();
        platform::setPrompts(nullptr);
    }
    QTreeWidgetItem *row(const char *key)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toString() == QLatin1String(key))
                return list->topLevelItem(i);
        return nullptr;
    }
    int fontCalls() const
    {
        return static_cast<int>(std::count_if(prompts->calls.begin(), prompts->calls.end(),
                                              [](const auto &c) { return c.kind == ScriptedPrompts::Kind::Font; }));
    }

    ScriptedPrompts *prompts = nullptr;
    std::unique_ptr<frmFnt> dlg;
    QTreeWidget *list = nullptr;
    QPushButton *ok = nullptr;
};

} // namespace

TEST_F(FontDialogTest, ListsTheFiveKindsAsStored)
{
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Шрифти"));
    EXPECT_EQ(ok->text(), QStringLiteral("Змінити значення"));
    const QStringList headers{"Об'єкт", "Назва шрифта", "Висота шрифта", "Жирний", "Курсив"};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(list->headerItem()->text(c), headers.at(c));
    ASSERT_EQ(list->topLevelItemCount(), 5);
    const QStringList keys{"ga_n", "ga", "pl", "pl_sh", "pl_sm"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list->topLevelItem(i)->data(0, Qt::UserRole).toString(), keys.at(i));
    EXPECT_EQ(rowTexts(row("ga_n")), (QStringList{"Державні акти (ПІБ)", "Times New Roman", "12", "True", "False"}));
    EXPECT_EQ(rowTexts(row("pl_sm")), (QStringList{"Суміжники", "Times New Roman", "8", "False", "False"}));
    keepPicture(dlg.get(), QStringLiteral("frmFnt"));

    // Texts are shown as stored, not interpreted.
    platform::RegKey().SetKeyValue(FontsKey(), QStringLiteral("shtFSize"), QStringLiteral("10.5"), 1);
    FillFontList(list);
    EXPECT_EQ(row("pl_sh")->text(2), QStringLiteral("10.5"));
    EXPECT_EQ(list->topLevelItemCount(), 5);
}

TEST_F(FontDialogTest, ChosenFontReplacesTheSelectedRowAndCancelKeepsIt)
{
    ok->click(); // no row selected: nothing
    EXPECT_EQ(fontCalls(), 0);

    list->setCurrentItem(row("pl"));
    prompts->fonts.push_back(FontChoice{QStringLiteral("DejaVu Sans"), 11, true, true});
    ok->click();
    EXPECT_EQ(rowTexts(row("pl")), (QStringList{"Кадастрові плани", "DejaVu Sans", "11", "True", "True"}));

    // The chooser starts from the last choice; cancelling it or a face of two letters changes nothing.
    list->setCurrentItem(row("ga"));
    prompts->fonts.push_back(std::nullopt);
    prompts->fonts.push_back(FontChoice{QStringLiteral("Ab"), 20, false, false});
    ok->click();
    ok->click();
    EXPECT_EQ(prompts->calls.back().font, (FontChoice{QStringLiteral("DejaVu Sans"), 11, true, true}));
    EXPECT_EQ(rowTexts(row("ga")), (QStringList{"Державні акти", "Times New Roman", "10", "False", "False"}));

    // A double click on a row works like the button.
    prompts->fonts.push_back(FontChoice{QStringLiteral("Liberation Serif"), 9, false, true});
    emit list->itemDoubleClicked(row("ga"), 0);
    EXPECT_EQ(row("ga")->text(1), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(fontCalls(), 4);
}

TEST_F(FontDialogTest, ClosingStoresEveryRowAndReloadsTheFonts)
{
    list->setCurrentItem(row("pl"));
    prompts->fonts.push_back(FontChoice{QStringLiteral("DejaVu Sans"), 11, true, false});
    ok->click();
    platform::RegKey().SetKeyValue(FontsKey(), QStringLiteral("gaFName"), QStringLiteral("змінено поза діалогом"), 1);
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(stored("plnFName"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(stored("plnFSize"), QStringLiteral("11"));
    EXPECT_EQ(stored("plnFBold"), QStringLiteral("True"));
    EXPECT_EQ(stored("gaFName"), QStringLiteral("Times New Roman")); // the row's text is written back
    EXPECT_EQ(state().plnF, (FontSetting{QStringLiteral("DejaVu Sans"), 11, true, false}));
    EXPECT_EQ(state().gaNameF, (FontSetting{QStringLiteral("Times New Roman"), 12, true, false}));
}

TEST_F(FontDialogTest, EscapeStoresToo)
{
    list->setCurrentItem(row("pl_sm"));
    prompts->fonts.push_back(FontChoice{QStringLiteral("DejaVu Serif"), 7, false, false});
    ok->click();
    dlg->reject();
    EXPECT_EQ(state().SmF, (FontSetting{QStringLiteral("DejaVu Serif"), 7, false, false}));
}

// Both writers of the font settings, the dialog as it closes and the start's defaults, on a disk
// with no room or a page of it (which the new file and the lock the writers share cannot both take).
TEST_F(FontDialogTest, AFullDiskKeepsTheStoredFontsAndSaysSo)
{
    struct Case {
        testsupport::FullDisk::Way way;
        qint64 room;
    };
    std::vector<Case> cases;
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        cases.push_back({way, 0});
        if (way == testsupport::FullDisk::Tmpfs) // the size limit holds per file, and the file fits a page
            cases.push_back({way, 4096});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << testsupport::FullDisk::name(c.way) << ", room " << c.room);
        testsupport::FullDisk disk(c.way);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, disk.dir());
        ASSERT_TRUE(WriteDefaultFonts());
        QFile file(platform::RegKey::FileName());
        ASSERT_TRUE(file.fileName().startsWith(disk.dir()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        prompts->calls.clear();

        frmFnt fonts;
        fonts.show();
        auto *rows = fonts.findChild<QTreeWidget *>(QStringLiteral("lstObj"));
        rows->setCurrentItem(rows->topLevelItem(2));
        prompts->fonts.push_back(FontChoice{QStringLiteral("DejaVu Sans"), 11, true, false});
        fonts.findChild<QPushButton *>(QStringLiteral("bOk"))->click();
        disk.fill(c.room);
        fonts.close();
        EXPECT_FALSE(WriteDefaultFonts());
        disk.release();

        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_TRUE(prompts->messages()[0].startsWith(QStringLiteral("Не вдалося зберегти налаштування шрифтів")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        file.close();
        // The fonts the documents use are the stored ones, not the choice that was lost.
        EXPECT_EQ(state().plnF, (FontSetting{QStringLiteral("Times New Roman"), 8, false, false}));
    }
    // Back to a settings folder of this test program alone.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir());
}

// Nothing stored (the first start could not store the defaults either) and still no room: the
// dialog says so as it closes, and the documents stay on the defaults the start left, where they
// took a nameless font of size 0.
TEST_F(FontDialogTest, AFullDiskWithNoFontsStoredLeavesTheDefaults)
{
    for (const testsupport::FullDisk::Way way : testsupport::FullDisk::ways()) {
        SCOPED_TRACE(testsupport::FullDisk::name(way));
        testsupport::FullDisk disk(way);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, disk.dir());
        prompts->calls.clear();
        disk.fill(0);
        UseDefaultFonts();
        {
            frmFnt fonts;
            fonts.show();
            EXPECT_TRUE(fonts.findChild<QTreeWidget *>(QStringLiteral("lstObj"))->topLevelItem(2)->text(1).isEmpty());
            fonts.close();
        }
        disk.release();
        ASSERT_EQ(prompts->messages().size(), 1);
        EXPECT_TRUE(prompts->messages()[0].startsWith(QStringLiteral("Не вдалося зберегти налаштування шрифтів")));
        EXPECT_FALSE(QFileInfo::exists(platform::RegKey::FileName()));
        EXPECT_EQ(state().plnF, (FontSetting{QStringLiteral("Times New Roman"), 8, false, false}));
        EXPECT_EQ(state().gaNameF, (FontSetting{QStringLiteral("Times New Roman"), 12, true, false}));
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, testsupport::tempDir());
}

class ParamDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetState();
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        platform::setPrompts(std::move(p));
        dlg = std::make_unique<frmParam>();
        const State &s = state();
        dlg->setFields(s.BuildArea, s.AreaRange, s.KZ21Text, s.KZ22Text);
        dlg->show();
        for (const char *name : {"tArr", "tDiap", "t21", "t22"})
            fields.push_back(dlg->findChild<QLineEdit *>(QString::fromLatin1(name)));
        accept = dlg->findChild<QPushButton *>(QStringLiteral("Command1"));
        ASSERT_TRUE(accept);
        for (QLineEdit *f : fields)
            ASSERT_TRUE(f);
    }
    void TearDown() override { platform::setPrompts(nullptr); }
    ScriptedPrompts *prompts = nullptr;
    std::unique_ptr<frmParam> dlg;
    std::vector<QLineEdit *> fields;
    QPushButton *accept = nullptr;
};

TEST_F(ParamDialogTest, AcceptingUnchangedKeepsTheValues)
{
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Параметри"));
    EXPECT_EQ(accept->text(), QStringLiteral("Прийняти"));
    EXPECT_EQ(fields[0]->text(), QStringLiteral("0") + QLocale::system().decimalPoint() + QStringLiteral("25"));
    EXPECT_EQ(fields[2]->text(), QStringLiteral("ведення особистого селянського господарства"));
    keepPicture(dlg.get(), QStringLiteral("frmParam"));
    accept->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_DOUBLE_EQ(state().BuildArea, 0.25);
    EXPECT_DOUBLE_EQ(state().AreaRange, 1.0);
    EXPECT_EQ(state().KZ22Text, QStringLiteral("будівництва та обслуговування жилого будинку"));
}

TEST_F(ParamDialogTest, AcceptStoresTypedValues)
{
    fields[0]->setText(QStringLiteral("0,5"));
    fields[1]->setText(QStringLiteral("0.5"));
    fields[2]->clear();
    fields[3]->setText(QStringLiteral("для будівництва і обслуговування жилого будинку"));
    accept->click();
    EXPECT_DOUBLE_EQ(state().BuildArea, 0.5);
    EXPECT_DOUBLE_EQ(state().AreaRange, 0.5);
    EXPECT_EQ(state().KZ21Text, QString());
    EXPECT_EQ(state().KZ22Text, QStringLiteral("для будівництва і обслуговування жилого будинку"));
}

TEST_F(ParamDialogTest, WhatIsNoNumberIsRefusedAndTheCloseBoxStoresNothing)
{
    const struct {
        const char *area, *range;
        int refused; // the field named in the message, -1 when accepted
    } cases[] = {
        {"abc", "0,5", 0},
        {"0,5", "", 1},
        {"0,3 га", "2", 0},
        {"0,3", "2", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.area + std::string(" / ") + c.range);
        resetState();
        prompts->calls.clear();
        dlg->show();
        fields[0]->setText(QString::fromUtf8(c.area));
        fields[1]->setText(QString::fromUtf8(c.range));
        fields[2]->setText(QStringLiteral("змінено"));
        accept->click();
        if (c.refused < 0) {
            EXPECT_TRUE(prompts->calls.empty());
            EXPECT_FALSE(dlg->isVisible());
            EXPECT_DOUBLE_EQ(state().BuildArea, 0.3);
            continue;
        }
        ASSERT_EQ(prompts->messages().size(), 1);
        const QString text = prompts->messages()[0];
        EXPECT_TRUE(text.startsWith(QStringLiteral("«%1» не є числом").arg(fields[c.refused]->text()))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.refused == 0 ? QStringLiteral("Площа для будівництва") : QStringLiteral("Допустимий діапазон")));
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(fields[c.refused]->selectedText(), fields[c.refused]->text()); // ready to be typed over
        // Nothing is stored, the texts neither.
        EXPECT_DOUBLE_EQ(state().BuildArea, 0.25);
        EXPECT_DOUBLE_EQ(state().AreaRange, 1.0);
        EXPECT_EQ(state().KZ21Text, QStringLiteral("ведення особистого селянського господарства"));
    }

    resetState();
    frmParam other;
    other.setFields(0.25, 1.0, QStringLiteral("a"), QStringLiteral("b"));
    other.show();
    other.findChild<QLineEdit *>(QStringLiteral("tArr"))->setText(QStringLiteral("9"));
    other.findChild<QLineEdit *>(QStringLiteral("t21"))->setText(QStringLiteral("змінено"));
    other.close();
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(state().BuildArea, 0.25);
    EXPECT_EQ(state().KZ21Text, QStringLiteral("ведення особистого селянського господарства"));
}

TEST_F(BaseTest, CombosHoldTheRowsOfTheLastFillingWithTheirIds)
{
    QComboBox combo;
    combo.addItem(QStringLiteral("старий"), 99);
    FillCilove(&combo);
    FillCilove(&combo);
    ASSERT_EQ(combo.count(), 11);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.itemData(0).toInt(), 1);
    EXPECT_EQ(combo.itemText(10), QStringLiteral("для колективного гаражного будівництва"));

    QComboBox bodies;
    FillOrgans(&bodies);
    ASSERT_EQ(bodies.count(), 4);
    EXPECT_EQ(bodies.itemData(3).toInt(), 4);
    EXPECT_EQ(bodies.currentIndex(), -1);

    QLabel label(QStringLiteral("текст"));
    ClearLabel(&label);
    EXPECT_EQ(label.text(), QString());
}
