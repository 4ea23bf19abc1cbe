// The parcel tree: its fill, its check boxes and the selection they make.

#include "mainwindow/frmMain.h"
#include "ui_frmMain.h"

#include "common/numbers.h"
#include "mainwindow/treeimages.h"
#include "mainwindow/treewalk.h"
#include "model/state.h"

#include <QLabel>
#include <QList>
#include <QSignalBlocker>
#include <iterator>

using namespace mainwindow;

namespace {

constexpr int CheckedRole = frmMain::CheckedRole;

QTreeWidgetItem *newNode(const QString &key, const QString &text, int image)
{
    auto *node = new QTreeWidgetItem;
    node->setText(0, text);
    node->setData(0, frmMain::KeyRole, key);
    node->setData(0, frmMain::ImageRole, image);
    node->setIcon(0, TreeIcon(image));
    node->setCheckState(0, Qt::Unchecked);
    node->setData(0, CheckedRole, false);
    // Every node's text can be edited in place; the edit goes into the field the node shows.
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

} // namespace

QString frmMain::NodeKey(const QTreeWidgetItem *node)
{
    return node ? node->data(0, KeyRole).toString() : QString();
}

int frmMain::NodeImage(const QTreeWidgetItem *node)
{
    return node ? node->data(0, ImageRole).toInt() : 0;
}

void frmMain::setNodeImage(QTreeWidgetItem *node, int image)
{
    node->setData(0, ImageRole, image);
    node->setIcon(0, TreeIcon(image));
}

void frmMain::FillTree()
{
    buildTree(false);
    enableTreeCommands(true);
}

void frmMain::RebuildMainTree()
{
    buildTree(true);
    // Selecting, saving and assigning need parcels; an import that gave none leaves them off.
    enableTreeCommands(model::state().Parcels.UBound() >= 1);
}

void frmMain::enableTreeCommands(bool enabled)
{
    setButtonState(QStringLiteral("Sel"), enabled);
    ui->mnuSel->setEnabled(enabled);
    setButtonState(QStringLiteral("Save"), enabled);
    setButtonState(QStringLiteral("Change"), enabled);
    ui->mnuSave->setEnabled(enabled);
    ui->mnuMass->setEnabled(enabled);
}

// The tree of an opened file: the parcel's picture by its 6-zem row and nine field nodes. The tree
// of a batch import: the parcel picture and six field nodes, with the pictures of their own.
void frmMain::buildTree(bool batchLayout)
{
    const model::ParcelList &parcels = model::state().Parcels;
    QTreeWidget *tree = ui->MyTree;
    m_fillingTree = true;
    tree->clear();

    struct Field {
        char letter;
        QString model::Parcel::*text;
        int image;
    };
    static const Field opened[] = {
        {'a', &model::Parcel::AU, ImgOwnerAddress}, {'k', &model::Parcel::KF, ImgIdNumber},
        {'p', &model::Parcel::PP, ImgIdDocument},   {'r', &model::Parcel::PZ, ImgGrounds},
        {'d', &model::Parcel::AD, ImgAddress},      {'z', &model::Parcel::KZ, ImgRow6Zem},
        {'c', &model::Parcel::Number, ImgNumber},   {'w', &model::Parcel::DB, ImgSecondId},
        {'y', &model::Parcel::ParcelKoatuu, ImgKoatuu},
    };
    static const Field imported[] = {
        {'a', &model::Parcel::AU, ImgBatchOwnerAddress}, {'d', &model::Parcel::AD, ImgAddress},
        {'r', &model::Parcel::PZ, ImgBatchGrounds},      {'k', &model::Parcel::KF, ImgNumber},
        {'p', &model::Parcel::PP, ImgSecondId},          {'z', &model::Parcel::KZ, ImgRow6Zem},
    };
    const Field *fields = batchLayout ? imported : opened;
    const int fieldCount = batchLayout ? int(std::size(imported)) : int(std::size(opened));

    // The nodes are built off the view and handed over at once: a view that grows node by node
    // is far too slow for tens of thousands of parcels.
    QList<QTreeWidgetItem *> top;
    top.reserve(parcels.UBound());
    for (int i = 1; i <= parcels.UBound(); ++i) {
        const model::Parcel &p = parcels[i];
        const QString id = QString::number(i);
        const QString prefix = id + QLatin1Char('_');
        QTreeWidgetItem *node = newNode(id + QLatin1Char('o'), p.NM, batchLayout ? int(ImgParcel) : RowIcon(p.KZ));
        QList<QTreeWidgetItem *> children;
        children.reserve(fieldCount + p.LandUses.UBound());
        for (int f = 0; f < fieldCount; ++f)
            children.append(newNode(prefix + QLatin1Char(fields[f].letter), p.*fields[f].text, fields[f].image));
        for (int j = 1; j <= p.LandUses.UBound(); ++j)
            children.append(newNode(prefix + QString::number(j) + QLatin1Char('u'), p.LandUses[j].CN, ImgLandUse));
        node->addChildren(children);
        top.append(node);
    }
    tree->addTopLevelItems(top);
    m_fillingTree = false;
}

QTreeWidgetItem *frmMain::AddLandUseNode(int i, int j)
{
    QTreeWidgetItem *parcel = ParcelNode(i);
    if (!parcel)
        return nullptr;
    const QString key = QString::number(i) + QLatin1Char('_') + QString::number(j) + QLatin1Char('u');
    QTreeWidgetItem *node = newNode(key, model::state().Parcels[i].LandUses[j].CN, ImgLandUse);
    m_fillingTree = true;
    parcel->addChild(node);
    m_fillingTree = false;
    return node;
}

void frmMain::UpdateSelection()
{
    int checkedNodes = 0;
    ForEachNode(ui->MyTree, [&](QTreeWidgetItem *node) {
        if (node->checkState(0) != Qt::Unchecked)
            ++checkedNodes;
        return true;
    });
    // The count follows the parcels' flags, the commands follow the checked nodes.
    int selected = 0;
    const model::ParcelList &parcels = model::state().Parcels;
    for (int i = 1; i <= parcels.UBound(); ++i)
        if (parcels[i].Selected != 0)
            ++selected;
    stPanel3->setText(QStringLiteral("Вибрано: ") + QString::number(selected));

    const bool any = checkedNodes >= 1;
    for (const char *key : {"GoGo", "Kat", "SaveChk"})
        setButtonState(QString::fromLatin1(key), any);
    ui->mnuSaveCheket->setEnabled(any);
    ui->mnuGo->setEnabled(any);
    ui->mnuKat->setEnabled(any);
    ui->bGo->setEnabled(any);
}

bool frmMain::AnyParcelChecked() const
{
    bool any = false;
    ForEachNode(ui->MyTree, [&](QTreeWidgetItem *node) {
        any = node->checkState(0) != Qt::Unchecked;
        return !any;
    });
    return any;
}

void frmMain::mnuSel_Click()
{
    // The menu's mark records what the last use did; checks made by hand in between do not move it.
    const bool mark = !ui->mnuSel->property("selectMark").toBool();
    ui->mnuSel->setProperty("selectMark", mark);
    ui->mnuSel->setChecked(mark);

    model::ParcelList &parcels = model::state().Parcels;
    m_fillingTree = true;
    ForEachNode(ui->MyTree, [&](QTreeWidgetItem *node) {
        node->setCheckState(0, mark ? Qt::Checked : Qt::Unchecked);
        node->setData(0, CheckedRole, mark);
        const QString key = NodeKey(node);
        if (key.endsWith(QLatin1Char('o')))
            parcels[static_cast<int>(zova::LeadingNumber(key))].Selected = mark ? -1 : 0;
        return true;
    });
    m_fillingTree = false;
    UpdateSelection();
}

void frmMain::MyTree_ItemChanged(QTreeWidgetItem *node, int column)
{
    if (m_fillingTree || column != 0)
        return;
    const bool checked = node->checkState(0) != Qt::Unchecked;
    if (checked == node->data(0, CheckedRole).toBool())
        return; // text or picture changed, not the check
    m_clickChangedCheck = true;
    MyTree_NodeCheck(node);
}

// Checking any node of a parcel checks the parcel node and every node of that parcel, and sets
// the parcel's selected flag.
void frmMain::MyTree_NodeCheck(QTreeWidgetItem *node)
{
    const bool checked = node->checkState(0) != Qt::Unchecked;
    QTreeWidgetItem *parcelNode = node->parent() ? node->parent() : node;
    const int index = static_cast<int>(zova::LeadingNumber(NodeKey(parcelNode)));
    model::state().Parcels[index].Selected = checked ? -1 : 0;

    m_fillingTree = true;
    const Qt::CheckState state = node->checkState(0);
    parcelNode->setCheckState(0, state);
    parcelNode->setData(0, CheckedRole, checked);
    for (int j = 0; j < parcelNode->childCount(); ++j) {
        parcelNode->child(j)->setCheckState(0, state);
        parcelNode->child(j)->setData(0, CheckedRole, checked);
    }
    m_fillingTree = false;
    UpdateSelection();
}
