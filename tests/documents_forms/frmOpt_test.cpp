#include "documents/docoptions.h"
#include "documents/forms/frmOpt.h"
#include "documents/forms/linewidthbox.h"
#include "tests/documents_forms/dialogtesting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using documents::options;

namespace {

class frmOptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        documents::resetOptions();
        dialog = std::make_unique<frmOpt>();
        dialog->show();
        cmbObj = dialog->findChild<QComboBox *>(QStringLiteral("cmbObj"));
        txtVal = dialog->findChild<LineWidthBox *>(QStringLiteral("txtVal"));
        ASSERT_NE(cmbObj, nullptr);
        ASSERT_NE(txtVal, nullptr);
    }
    void TearDown() override { documents::resetOptions(); }

    QRadioButton *lOpt(int i) const { return dialog->findChild<QRadioButton *>(QStringLiteral("lOpt_%1").arg(i)); }
    int checkedType() const
    {
        for (int i = 0; i < 8; ++i)
            if (lOpt(i)->isChecked())
                return i + 1;
        return 0;
    }
    void type(const QString &text)
    {
        QLineEdit *edit = txtVal->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    std::unique_ptr<frmOpt> dialog;
    QComboBox *cmbObj = nullptr;
    LineWidthBox *txtVal = nullptr;
};

} // namespace

TEST_F(frmOptTest, ShowsTheParcelThenTheAreaStyle)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Опції"));
    EXPECT_EQ(cmbObj->currentIndex(), 0);
    EXPECT_EQ(cmbObj->currentText(), QStringLiteral("Ділянка"));
    EXPECT_EQ(checkedType(), 1);
    EXPECT_EQ(txtVal->text(), QLocale::system().toString(0.75, 'f', 2));
    dialogtesting::keepPicture(dialog.get(), QStringLiteral("frmOpt"));

    options().AreaLineWidth = 1.5;
    cmbObj->setCurrentIndex(1);
    EXPECT_EQ(cmbObj->currentText(), QStringLiteral("Угіддя"));
    EXPECT_EQ(checkedType(), 2);
    EXPECT_DOUBLE_EQ(txtVal->value(), 1.5);
    // Showing a value stores nothing.
    EXPECT_DOUBLE_EQ(options().ParcelLineWidth, 0.75);
}

TEST_F(frmOptTest, ALineTypeChangesOnlyTheOutlineBeingEdited)
{
    lOpt(3)->click();
    EXPECT_EQ(options().ParcelLineType, 4);
    EXPECT_EQ(options().AreaLineType, 2);
    cmbObj->setCurrentIndex(1);
    lOpt(7)->click();
    EXPECT_EQ(options().ParcelLineType, 4);
    EXPECT_EQ(options().AreaLineType, 8);
    cmbObj->setCurrentIndex(0);
    EXPECT_EQ(checkedType(), 4);
}

TEST_F(frmOptTest, StepsStayOnTheGridBetweenItsEnds)
{
    for (double expected : {0.50, 0.25, 0.25}) {
        txtVal->stepDown();
        EXPECT_DOUBLE_EQ(options().ParcelLineWidth, expected);
    }
    cmbObj->setCurrentIndex(1);
    for (int i = 0; i < 19; ++i)
        txtVal->stepUp();
    EXPECT_DOUBLE_EQ(options().AreaLineWidth, 5.0);
    EXPECT_EQ(txtVal->text(), QLocale::system().toString(5.0, 'f', 2));
    EXPECT_DOUBLE_EQ(options().ParcelLineWidth, 0.25);
}

TEST_F(frmOptTest, TypedWidthsTakeEitherSeparator)
{
    const struct {
        QLocale::Language locale;
        const char *typed;
        double width;
    } cases[] = {
        {QLocale::Ukrainian, "0,5", 0.5},  {QLocale::Ukrainian, "0.5", 0.5},
        {QLocale::Ukrainian, "1,5", 1.5},  {QLocale::Ukrainian, "2", 2.0},
        {QLocale::English, "0,5", 0.5},    {QLocale::English, "0.5", 0.5},
        {QLocale::English, "3.25", 3.25},  {QLocale::English, "4,75", 4.75},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + QLocale::languageToString(c.locale).toStdString());
        QLocale locale(c.locale);
        locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        txtVal->setLocale(locale);
        txtVal->setValue(0.75);
        type(QString::fromLatin1(c.typed));
        EXPECT_DOUBLE_EQ(txtVal->value(), c.width);
        EXPECT_DOUBLE_EQ(options().ParcelLineWidth, c.width);
        EXPECT_EQ(txtVal->text(), locale.toString(c.width, 'f', 2));
    }
}

TEST_F(frmOptTest, BothButtonsCloseAndKeepTheChanges)
{
    for (const char *button : {"Command1", "Command2"}) {
        SCOPED_TRACE(button);
        documents::resetOptions();
        frmOpt w;
        w.show();
        w.findChild<QRadioButton *>(QStringLiteral("lOpt_4"))->click();
        w.findChild<LineWidthBox *>(QStringLiteral("txtVal"))->stepUp();
        w.findChild<QPushButton *>(QString::fromLatin1(button))->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(options().ParcelLineType, 5);
        EXPECT_DOUBLE_EQ(options().ParcelLineWidth, 1.0);
    }
}
