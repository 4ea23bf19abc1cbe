// Editing the parcels from the main window: the information panel's button, in-place edits and
// keys of the tree, the second-parcel mark, land-use code normalisation, the coordinate shift,
// the text search, the zone and quarter boxes, the bulk, find and About dialogs, and the question
// before leaving with changes that were not written.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/error.h"
#include "common/numbers.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmFind.h"
#include "mainwindow/frmVal.h"
#include "mainwindow/parceledits.h"
#include "mainwindow/treeimages.h"
#include "mainwindow/treewalk.h"
#include "model/state.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <functional>
#include <optional>

using namespace mainwindow;

namespace {

void MarkModified()
{
    model::state().Modified = true;
}

/// Stores a text into a field and tells whether it changed.
bool store(QString &field, const QString &text)
{
    if (field == text)
        return false;
    field = text;
    return true;
}

/// How the information panel shows a 6-zem row: its leading number.
QString RowNumberText(const QString &kz)
{
    return QString::number(zova::LeadingNumber(kz), 'g', 15);
}

/// Zone and quarter boxes take only a text whose value fits a 16-bit field.
class Int16TextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Int16Value(input) ? Acceptable : Invalid;
    }
};

/// Hands every in-place edit of a node's text to the window once the tree holds the new text.
class LabelEditDelegate : public QStyledItemDelegate {
public:
    LabelEditDelegate(frmMain *window, QObject *parent) : QStyledItemDelegate(parent), m_window(window) {}
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        QStyledItemDelegate::setModelData(editor, model, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            m_window->MyTree_AfterLabelEdit(index.data(frmMain::KeyRole).toString(), line->text());
    }

private:
    frmMain *m_window;
};

/// The character code a key gives in the tree: 3, 22 and 24 for Ctrl+C, Ctrl+V and Ctrl+X (also
/// on the Ukrainian layout, where the same keys give С, М and Ч), the character otherwise.
int KeyAscii(const QKeyEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_C:
        case 0x0421: // С
            return 3;
        case Qt::Key_V:
        case 0x041C: // М
            return 22;
        case Qt::Key_X:
        case 0x0427: // Ч
            return 24;
        default:
            return 0;
        }
    }
    const QString text = event->text();
    return text.size() == 1 ? text.front().unicode() : 0;
}

/// Calls a function for every key typed into a widget and lets the key go on.
class KeyWatcher : public QObject {
public:
    KeyWatcher(QObject *parent, std::function<void(int)> f) : QObject(parent), m_f(std::move(f)) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            m_f(KeyAscii(static_cast<QKeyEvent *>(event)));
        return false;
    }

private:
    std::function<void(int)> m_f;
};

/// The child of a parcel node whose key ends in `suffix` ("z", "3u"); nullptr when it has none.
/// The children stand where the tree fill put them, so the first look is at that place.
QTreeWidgetItem *ChildNode(QTreeWidgetItem *parcel, int i, const QString &suffix, int expectedRow)
{
    if (!parcel)
        return nullptr;
    const QString key = QString::number(i) + QLatin1Char('_') + suffix;
    if (expectedRow >= 0 && expectedRow < parcel->childCount()
        && frmMain::NodeKey(parcel->child(expectedRow)) == key)
        return parcel->child(expectedRow);
    for (int c = 0; c < parcel->childCount(); ++c)
        if (frmMain::NodeKey(parcel->child(c)) == key)
            return parcel->child(c);
    return nullptr;
}

/// Row of a field's child under its parcel node as the tree fill orders them.
int FieldRow(QChar letter)
{
    return QStringLiteral("akprdzcwy").indexOf(letter);
}

QTreeWidgetItem *FieldNode(QTreeWidgetItem *parcel, int i, QChar letter)
{
    return ChildNode(parcel, i, QString(letter), FieldRow(letter));
}

QTreeWidgetItem *LandUseNode(QTreeWidgetItem *parcel, int i, int j)
{
    return ChildNode(parcel, i, QString::number(j) + QLatin1Char('u'), 8 + j);
}

} // namespace

void frmMain::connectEditing()
{
    ui->MyTree->setItemDelegate(new LabelEditDelegate(this, ui->MyTree));
    ui->MyTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    ui->MyTree->installEventFilter(new KeyWatcher(ui->MyTree, [this](int key) { MyTree_KeyPress(key); }));

    ui->tZone->setValidator(new Int16TextValidator(ui->tZone));
    ui->tKvart->setValidator(new Int16TextValidator(ui->tKvart));
    // A distance: digits, "." and "/" (the number ends at "/"); the direction comes from the buttons.
    ui->tVal->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9./]*")), ui->tVal));

    connect(ui->Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(ui->tFind, &QLineEdit::textChanged, this, &frmMain::tFind_Change);
    connect(ui->tZone, &QLineEdit::textChanged, this, &frmMain::tZone_Change);
    connect(ui->tKvart, &QLineEdit::textChanged, this, &frmMain::tKvart_Change);
    connect(ui->mnuSecond, &QAction::triggered, this, &frmMain::mnuSecond_Click);
    connect(ui->mnuEditParts, &QAction::triggered, this, &frmMain::mnuEditParts_Click);
    connect(ui->mnuMass, &QAction::triggered, this, &frmMain::mnuMass_Click);
    connect(ui->mnuFind, &QAction::triggered, this, &frmMain::mnuFind_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    const struct {
        QToolButton *button;
        const char *axis;
        const char *direction;
    } shifts[] = {
        {ui->bxMinus, "x", "minus"},
        {ui->bxPlus, "x", "plus"},
        {ui->byMinus, "y", "minus"},
        {ui->byPlus, "y", "plus"},
    };
    for (const auto &s : shifts)
        connect(s.button, &QToolButton::clicked, this, [this, axis = s.axis, direction = s.direction] {
            ShiftCoords(QString::fromLatin1(axis), QString::fromLatin1(direction));
            FillCoordList();
        });
}

QTreeWidget *frmMain::parcelTree() const
{
    return ui->MyTree;
}

QTreeWidgetItem *frmMain::ParcelNode(int i) const
{
    const QString key = QString::number(i) + QLatin1Char('o');
    // The parcel nodes stand in the parcels' order.
    if (QTreeWidgetItem *node = ui->MyTree->topLevelItem(i - 1); node && NodeKey(node) == key)
        return node;
    for (int t = 0; t < ui->MyTree->topLevelItemCount(); ++t)
        if (NodeKey(ui->MyTree->topLevelItem(t)) == key)
            return ui->MyTree->topLevelItem(t);
    return nullptr;
}

void frmMain::SetNodeCheckedQuietly(QTreeWidgetItem *node, bool checked)
{
    if (!node)
        return;
    m_fillingTree = true;
    node->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    node->setData(0, CheckedRole, checked);
    m_fillingTree = false;
}

void frmMain::SetRowIcon(int i, const QString &kz)
{
    QTreeWidgetItem *node = ParcelNode(i);
    const int image = RowIcon(kz);
    if (node && NodeImage(node) != image)
        setNodeImage(node, image);
}

void frmMain::Command1_Click()
{
    // The panel belongs to the parcel whose texts it shows; it never writes into another one.
    const int i = m_panelParcel;
    if (!IsParcel(i))
        return;
    const platform::WaitCursor wait;
    model::Parcel &p = model::state().Parcels[i];
    // The row is kept as the text of its number with "." whatever the locale, so that it reads
    // back the same.
    const QString kz = RowNumberText(ui->tKZ->text());
    bool changed = store(p.NM, ui->tNM->text());
    changed |= store(p.AD, ui->tAD->text());
    changed |= store(p.AU, ui->tAU->text());
    changed |= store(p.PZ, ui->tPZ->text());
    changed |= store(p.KZ, kz);
    changed |= store(p.PP, ui->tPP->text());
    changed |= store(p.KF, ui->tKF->text());
    if (changed)
        MarkModified();

    QTreeWidgetItem *parcel = ParcelNode(i);
    if (!parcel)
        return;
    parcel->setText(0, p.NM);
    SetRowIcon(i, kz);
    const struct {
        char letter;
        const QString &text;
    } fields[] = {{'a', p.AU}, {'k', p.KF}, {'p', p.PP}, {'r', p.PZ}, {'d', p.AD}, {'z', p.KZ}};
    for (const auto &f : fields)
        if (QTreeWidgetItem *node = FieldNode(parcel, i, QLatin1Char(f.letter)))
            node->setText(0, f.text);
}

void frmMain::MyTree_AfterLabelEdit(const QString &key, const QString &newText)
{
    const int i = static_cast<int>(zova::LeadingNumber(key.section(QLatin1Char('_'), 0, 0)));
    if (key.isEmpty() || !IsParcel(i))
        return;
    model::Parcel &p = model::state().Parcels[i];
    bool changed = false;
    if (key.endsWith(QLatin1Char('o'))) {
        changed = store(p.NM, newText);
        ShowPanelField(i, QLatin1Char('o'));
    } else {
        const QString part = key.section(QLatin1Char('_'), 1);
        struct Field {
            const char *letter;
            QString *field;
        };
        const Field fields[] = {
            {"a", &p.AU}, {"k", &p.KF}, {"p", &p.PP}, {"r", &p.PZ}, {"d", &p.AD},
            {"z", &p.KZ}, {"c", &p.Number}, {"w", &p.DB}, {"y", &p.ParcelKoatuu},
        };
        const Field *chosen = nullptr;
        for (const Field &f : fields)
            if (part == QLatin1String(f.letter))
                chosen = &f;
        if (chosen) {
            // Stored exactly as typed, without trimming or conversion.
            changed = store(*chosen->field, newText);
            ShowPanelField(i, part.front());
            if (part == QLatin1String("z"))
                SetRowIcon(i, newText);
        } else {
            const int j = static_cast<int>(zova::LeadingNumber(part));
            if (j >= 1 && j <= p.LandUses.UBound())
                changed = store(p.LandUses[j].CN, newText);
        }
    }
    if (changed)
        MarkModified();
}

void frmMain::ShowPanelField(int i, QChar letter)
{
    if (i != m_panelParcel || !IsParcel(i))
        return;
    const model::Parcel &p = model::state().Parcels[i];
    const struct {
        char letter;
        const QString &field;
        QLineEdit *box;
    } boxes[] = {
        {'o', p.NM, ui->tNM}, {'a', p.AU, ui->tAU}, {'k', p.KF, ui->tKF}, {'p', p.PP, ui->tPP},
        {'r', p.PZ, ui->tPZ}, {'d', p.AD, ui->tAD}, {'z', p.KZ, ui->tKZ},
    };
    for (const auto &b : boxes)
        if (letter == QLatin1Char(b.letter))
            b.box->setText(b.box == ui->tKZ ? RowNumberText(b.field) : b.field);
}

void frmMain::MyTree_KeyPress(int keyAscii)
{
    if (keyAscii != 3 && keyAscii != 22 && keyAscii != 24 && keyAscii != '?')
        return;
    model::ParcelList &parcels = model::state().Parcels;
    const QTreeWidgetItem *selected = ui->MyTree->currentItem();
    const int target = selected ? static_cast<int>(zova::LeadingNumber(NodeKey(selected))) : 0;

    if (keyAscii == 3) {
        if (selected)
            CopiedParcel = target;
        return;
    }
    if (keyAscii == 22 || keyAscii == 24) {
        // A parcel is never its own second parcel, and the remembered one must still be loaded.
        if (CopiedParcel == target || CopiedParcel < 1 || !IsParcel(target) || !IsParcel(CopiedParcel))
            return;
        model::Parcel &p = parcels[target];
        if (store(p.DB, zova::SignedText(CopiedParcel)))
            MarkModified();
        QTreeWidgetItem *parcel = ParcelNode(target);
        if (QTreeWidgetItem *w = FieldNode(parcel, target, QLatin1Char('w')))
            w->setText(0, p.DB);
        if (keyAscii == 24 && parcel) {
            // Checking the parcel node checks the whole parcel, selects it and counts again.
            m_fillingTree = true;
            parcel->setCheckState(0, Qt::Checked);
            m_fillingTree = false;
            MyTree_NodeCheck(parcel);
        }
        return;
    }

    // "?": long numbers give their leading part to the quarter.
    const NumberSplit done = SplitLongNumbers(parcels);
    {
        const BulkNodeChanges quiet(ui->MyTree);
        for (int i : done.split)
            if (QTreeWidgetItem *c = FieldNode(ParcelNode(i), i, QLatin1Char('c')))
                c->setText(0, parcels[i].Number);
    }
    if (!done.split.isEmpty()) {
        MarkModified();
        RefreshZoneAndQuarter();
    }
    QString text = QStringLiteral("Усе зроблено пане...");
    if (!done.refused.isEmpty()) {
        constexpr int shown = 20;
        text += QStringLiteral("\n\nНе розділено (перед останніми чотирма знаками не номер кварталу):\n")
                + done.refused.mid(0, shown).join(QLatin1Char('\n'));
        if (done.refused.size() > shown)
            text += QStringLiteral("\n... та ще %1").arg(done.refused.size() - shown);
    }
    platform::MsgBox(text, QStringLiteral("No Comment"), platform::MsgIcon::Information, platform::MsgButtons::Ok);
}

void frmMain::mnuSecond_Click()
{
    const int cur = model::state().CurParcel;
    if (!IsParcel(cur))
        return;
    model::Parcel &p = model::state().Parcels[cur];
    // Any non-zero value is a mark; unmarking always gives 0.
    p.SecondParcel = p.SecondParcel != 0 ? 0 : -1;
    MarkModified();
    const bool marked = p.SecondParcel != 0;
    ui->mnuSecond->setChecked(marked);
    // Land of joint ownership keeps its own picture.
    if (p.JointOwnership != 1)
        return;
    if (marked) {
        if (QTreeWidgetItem *node = ParcelNode(cur))
            setNodeImage(node, ImgSecondParcel);
    } else {
        SetRowIcon(cur, p.KZ);
    }
}

void frmMain::mnuEditParts_Click()
{
    const platform::WaitCursor wait;
    model::ParcelList &parcels = model::state().Parcels;
    const BulkNodeChanges quiet(ui->MyTree);
    bool changed = false;
    for (int i = 1; i <= parcels.UBound(); ++i) {
        model::Parcel &p = parcels[i];
        QTreeWidgetItem *parcel = nullptr;
        for (int j = 1; j <= p.LandUses.UBound(); ++j) {
            QString &cn = p.LandUses[j].CN;
            const QString code = NormalisedLandUseCode(cn);
            if (code == cn)
                continue;
            cn = code;
            changed = true;
            if (!parcel)
                parcel = ParcelNode(i);
            if (QTreeWidgetItem *node = LandUseNode(parcel, i, j))
                node->setText(0, code);
        }
    }
    if (changed)
        MarkModified();
}

void frmMain::ShiftCoords(const QString &axis, const QString &direction)
{
    const QString text = ui->tVal->text().trimmed();
    if (text.isEmpty()) {
        platform::MsgBox(QStringLiteral("А значення хто введе ?..."), QStringLiteral("Уважніше"), platform::MsgIcon::None,
                         platform::MsgButtons::Ok);
        return;
    }
    const double value = zova::LeadingNumber(text);
    const bool x = axis == QLatin1String("x");
    const bool plus = direction == QLatin1String("plus");
    if ((!x && axis != QLatin1String("y")) || (!plus && direction != QLatin1String("minus")))
        return;
    model::ParcelList &parcels = model::state().Parcels;
    try {
        const platform::WaitCursor wait;
        ShiftAllPoints(parcels, x, plus ? value : -value);
    } catch (const zova::Error &e) {
        platform::MsgBox(QStringLiteral("Якась помилочка трапилась:\n") + e.message(), QStringLiteral("Помилка"),
                         platform::MsgIcon::Critical, platform::MsgButtons::Ok);
        return;
    }
    if (value != 0 && parcels.UBound() >= 1)
        MarkModified();
}

void frmMain::tFind_Change()
{
    // The first node, in tree order, whose text begins with the typed text; only the tree's
    // selection moves.
    const QString t = ui->tFind->text();
    QTreeWidgetItem *found = nullptr;
    ForEachNode(ui->MyTree, [&](QTreeWidgetItem *node) {
        if (node->text(0).startsWith(t))
            found = node;
        return !found;
    });
    if (found) {
        ui->MyTree->setCurrentItem(found);
        ui->MyTree->scrollToItem(found);
    }
}

void frmMain::tZone_Change()
{
    QuarterBoxChanged(ui->tZone, true);
}

void frmMain::tKvart_Change()
{
    QuarterBoxChanged(ui->tKvart, false);
}

// Every change of the box goes into the current parcel at once, but only while the box is enabled:
// the window disables it before it puts "0" in, and enables it before it puts a parcel's value in.
void frmMain::QuarterBoxChanged(QLineEdit *box, bool zone)
{
    if (!box->isEnabled())
        return;
    if (box->text().trimmed().isEmpty()) {
        box->setText(QStringLiteral("0")); // runs this handler again, which writes 0
        return;
    }
    const int cur = model::state().CurParcel;
    const std::optional<int16_t> value = Int16Value(box->text());
    if (!IsParcel(cur) || !value)
        return; // the box's validator keeps values that do not fit out
    model::Parcel &p = model::state().Parcels[cur];
    int16_t &field = zone ? p.ZN : p.KV;
    if (field != *value) {
        field = *value;
        MarkModified();
    }
}

// The zone and quarter boxes show the current parcel again after a command changed it.
void frmMain::RefreshZoneAndQuarter()
{
    const int cur = model::state().CurParcel;
    if (ui->tZone->isEnabled() && IsParcel(cur))
        ShowZoneAndQuarter(cur);
}

void frmMain::mnuMass_Click()
{
    {
        frmVal dialog(*this);
        dialog.exec();
    }
    const platform::WaitCursor wait;
    // Every parcel node takes the picture of its 6-zem row child, also over the marks of joint
    // ownership and second parcels.
    {
        const BulkNodeChanges quiet(ui->MyTree);
        for (int i = 1; i <= model::state().Parcels.UBound(); ++i)
            if (const QTreeWidgetItem *row = FieldNode(ParcelNode(i), i, QLatin1Char('z')))
                SetRowIcon(i, row->text(0));
    }
    // A selection by value checked parcel nodes: the count and the document commands follow it.
    UpdateSelection();
    RefreshZoneAndQuarter();
}

void frmMain::mnuFind_Click()
{
    frmFind dialog(*this);
    dialog.exec();
}

void frmMain::SelectFoundParcel(int i)
{
    if (!IsParcel(i))
        return;
    model::state().Parcels[i].Selected = -1;
    SetNodeCheckedQuietly(ParcelNode(i), true);
    UpdateSelection();
}

void frmMain::mnuAbout_Click()
{
    frmAbout dialog(this);
    dialog.exec();
}

bool frmMain::MayDropChanges(const QString &question)
{
    if (!model::state().Modified)
        return true;
    // Enter answers "Ні": a hurried key press keeps the work.
    platform::MessageRequest request{QStringLiteral("Зміни в ділянках не записано у файл.\n") + question,
                                     platform::productTitle(), platform::MsgIcon::Question,
                                     platform::MsgButtons::YesNo, platform::MsgAnswer::No};
    return platform::prompts().message(request) == platform::MsgAnswer::Yes;
}

bool frmMain::QueryUnload()
{
    return MayDropChanges(QStringLiteral("Вийти без збереження?"));
}
