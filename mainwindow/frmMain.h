#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

namespace Ui {
class frmMain;
}
namespace documents {
struct PlanOptions;
}

class QAction;
class QLineEdit;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QMouseEvent;
class frmArt;
class frmMap;
class frmHelp;

/// The main window: parcel tree, information panel, drawing, coordinate list, options, toolbar,
/// menus and status bar. Its load handler runs when it is created; closing it closes the
/// reference database and ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    /// Item data roles of the tree's nodes: the node key ("12o", "12_a", "12_3u") and the
    /// position of its picture in the tree's picture list.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;
    /// The check state that the selection last followed, to tell a check change from other
    /// changes of a node (text, picture).
    static constexpr int CheckedRole = Qt::UserRole + 2;

    /// `programDir` holds what ships (the help file, Dots); empty for the folder of the running
    /// program. `dataDir` is the operator's data folder, where Export lies; empty for
    /// reference::UserDataFolder().
    explicit frmMain(const QString &programDir = QString(), const QString &dataDir = QString(),
                     QWidget *parent = nullptr);
    ~frmMain() override;

    QString programDir() const { return m_programDir; }
    QString dataDir() const { return m_dataDir; }

    // Procedures that the loaders, the dialogs and the document commands call.

    /// Enables the controls that need loaded parcels when there are any, disables them otherwise.
    void UpdateDataControls();
    /// Shows "Вибрано: " and the number of selected parcels, and enables the commands that need
    /// a checked node while any node is checked.
    void UpdateSelection();
    /// True when any node of the tree is checked.
    bool AnyParcelChecked() const;
    /// Rebuilds the tree from model::state().Parcels and enables the commands that need a tree.
    void FillTree();
    /// After a batch import: the same controls as UpdateDataControls, the MIF export included.
    void EnableMainControls();
    /// After a batch import: the tree of the parcels with six field nodes each (owner's address,
    /// address, grounds, identification number, identity document, 6-zem row) and their land-use
    /// areas; the select, save and assign commands are enabled when there are parcels.
    void RebuildMainTree();
    /// The batch dialog of a mode (model::BatchModes) over this window, as its menu command
    /// shows it; the mode becomes model::state().BatchMode.
    std::unique_ptr<frmArt> BatchDialog(int mode);

    /// The opening road after the dialog: reads and parses the file with the progress window, and
    /// only when that succeeded replaces the model, resolves the KOATUU code and rebuilds the tree,
    /// the controls, lKoatu and the counts. A failure shows its reason (file and line) and leaves
    /// the previous parcels, tree and counts; so does a file with no parcel, and one whose texts
    /// look like the other code page when the operator cancels the warning. Returns whether the
    /// file was loaded.
    bool OpenExchangeFile(const QString &path, int filter);

    /// The choices of the options panel and the program-wide flags, as the document commands take
    /// them when they start: the kind button set, the paper, the scale typed or automatic, the
    /// plan variant, what the drawing shows, the area unit and the purpose.
    documents::PlanOptions planOptions() const;

    /// The toolbar button with a key ("OpenF", "Sel", ...); nullptr for an unknown key.
    QAction *tBarButton(const QString &key) const;
    /// Runs the menu command of the button's key; a key without a command does nothing.
    void tBar_ButtonClick(QAction *button);

    /// One tick of the status-bar animation (the timer calls it every 200 ms).
    void Timer1_Timer();
    /// The frame the animation shows, 1..12; 0 before the first tick.
    int animationFrame() const { return m_frame; }

    // The current parcel.

    /// A click on a tree node: makes the node's parcel current and shows the parcel, the land-use
    /// area or the field name. When the last press on the tree was not with the left button and
    /// the node is a parcel node, the popup menu opens at the mouse position.
    void MyTree_NodeClick(QTreeWidgetItem *node);
    /// Fills the seven boxes of the information panel from parcel i; the panel then belongs to
    /// parcel i. An index outside the loaded parcels empties it.
    void ShowParcelInfo(int i);
    /// Empties the information panel; it then belongs to no parcel.
    void ClearParcelInfo();
    /// The parcel whose texts the information panel shows; 0 when it shows none.
    int panelParcel() const { return m_panelParcel; }
    /// Refills the coordinate list with the points of the current parcel; nothing when there is none.
    void FillCoordList();
    /// Shows a parcel found by its code: it becomes current and is drawn, with its summary (no
    /// "ID") and its points; the information panel and the zone and quarter boxes follow it, so
    /// that they always belong to the current parcel.
    void ShowFoundParcel(int index);
    /// The parcel drawn in the picture; 0 when the picture shows none.
    int drawnParcel() const { return m_drawnParcel; }
    /// The overview window while it is open; nullptr otherwise.
    frmMap *mapWindow() const;
    /// The help window while it is open; nullptr otherwise.
    frmHelp *helpWindow() const;

    static QString NodeKey(const QTreeWidgetItem *node);
    static int NodeImage(const QTreeWidgetItem *node);

    // Editing the parcels.

    /// The tree of parcels, for the dialogs that change its nodes.
    QTreeWidget *parcelTree() const;
    /// The node of parcel i ("<i>o"); nullptr when the tree has none.
    QTreeWidgetItem *ParcelNode(int i) const;
    /// Sets a node's check box without passing the state to the rest of its parcel and without
    /// counting the selection again.
    void SetNodeCheckedQuietly(QTreeWidgetItem *node, bool checked);
    /// Adds the node of land-use area j of parcel i as the last child of the parcel's node, in the
    /// form the tree fill gives it; nullptr when the parcel has no node.
    QTreeWidgetItem *AddLandUseNode(int i, int j);
    /// Gives the node of parcel i the picture of its 6-zem row text.
    void SetRowIcon(int i, const QString &kz);
    /// "-=::: Внести зміни :::=-": writes the seven boxes of the information panel into the parcel
    /// they show and gives that parcel's nodes the new texts.
    void Command1_Click();
    /// A node's text edited in place: the new text goes into the field the node shows.
    void MyTree_AfterLabelEdit(const QString &key, const QString &newText);
    /// The information panel's box of the field that the nodes with this last letter show ("o"
    /// the owner, "a", "d", "k", "p", "r", "z") takes the value parcel i holds now, when the panel
    /// shows parcel i, so that "Внести зміни" cannot write the old text back over it; the other
    /// boxes keep what the operator typed. Other letters change nothing.
    void ShowPanelField(int i, QChar letter);
    /// Ctrl+C, Ctrl+V, Ctrl+X and "?" typed in the tree. Returns nothing; the key passes on.
    void MyTree_KeyPress(int keyAscii);
    /// "Друга ділянка": marks or unmarks the current parcel as a second parcel.
    void mnuSecond_Click();
    /// "Обробити угіддя...": every land-use code into the form "NN,rest".
    void mnuEditParts_Click();
    /// Moves every point of every parcel and land-use area by the value of tVal along "x" or
    /// "y", "plus" or "minus"; every point or none.
    void ShiftCoords(const QString &axis, const QString &direction);
    /// "Присвоїти значення...": the bulk dialog, then the row pictures and the selection count.
    void mnuMass_Click();
    /// "Пошук по коду ділянки".
    void mnuFind_Click();
    /// "Про мене...".
    void mnuAbout_Click();
    /// The find dialog selected parcel i: its node is checked (the node alone), its flag set, and
    /// the selection counted.
    void SelectFoundParcel(int i);
    /// Asks whether to leave when parcels were changed and not written; true to go on closing.
    bool QueryUnload();
    /// Asks `question` (after saying that changes were not written) when parcels were changed and
    /// not written; true when there are none or the operator answers "Так".
    bool MayDropChanges(const QString &question);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Whether i is the index of a loaded parcel.
    static bool IsParcel(int i);
    void setupControls();
    void connectCommands();
    void Form_Load();
    void Form_Unload();
    void CreateExportFolder();
    void setButtonState(const QString &key, bool enabled);
    void setNodeImage(QTreeWidgetItem *node, int image);
    void buildTree(bool batchLayout);
    /// The select, save and assign commands, in the order the tree procedures set them.
    void enableTreeCommands(bool enabled);
    /// Nothing of the previous parcels stays on show: panel texts, zone and quarter, coordinate
    /// list, drawing and summary.
    void ClearShownParcel();

    // Tree
    void MyTree_ItemChanged(QTreeWidgetItem *node, int column);
    void MyTree_NodeCheck(QTreeWidgetItem *node);
    void MyTree_MouseDown(QMouseEvent *event);
    void MyTree_MouseUp(QMouseEvent *event);
    void mnuZsp_Click();
    void ShowZoneAndQuarter(int parcel);
    void DrawCurrentParcel(int parcel);

    // Options
    void connectOptions();
    void chGroup_Click();
    void chLen_Click();
    void chPoint_Click();
    void chSm_Click();
    void chUgd_Click();
    void cmbCil_Click();
    void cmbZova_Click();
    void cmbWho_Click();
    void cmbZberig_Click();
    void optArea_Click(int index);
    void OPtMash_Click(int index);
    void Opt_Click(int index);

    // Guide line and overview
    void bSplit_Click();
    void pict_MouseDown(QMouseEvent *event);
    void pict_MouseMove(QMouseEvent *event);
    void pict_MouseUp(QMouseEvent *event);
    void pict_DblClick();
    void bMap_Click();

    // Editing
    void connectEditing();
    void tFind_Change();
    void tZone_Change();
    void tKvart_Change();
    void QuarterBoxChanged(QLineEdit *box, bool zone);
    void RefreshZoneAndQuarter();

    // Menus and buttons
    void mnuOpen_Click();
    void ShowOpenDialog();
    void mnuExit_Click();
    void mnuSel_Click();
    void mnuFnt_Click();
    void mnuCil_Click();
    void mnuCilove_Click();
    void mnuDS_Click();
    void mnuZmist_Click();
    void mnuGo_Click();
    void mnuKat_Click();
    void mnuTerra_Click();
    void mnuShtamp_Click();
    void bAdd_Click();
    void bEdit_Click();
    /// Fills the purpose list again, keeping the purpose chosen (by its row) when it is still there;
    /// the edit button is on while a purpose is chosen.
    void RefillPurposes();
    void mnuArt_Click();
    void mnuImpTxt_Click();
    void mnuManyIn4_Click();
    void mnuPrint_Click();
    void ShowBatchDialog(int mode);

    std::unique_ptr<Ui::frmMain> ui;
    QString m_programDir;
    QString m_dataDir;
    QTimer *Timer1 = nullptr;
    QTimer *tmr = nullptr;
    QLabel *stPanel1 = nullptr;
    QLabel *stPanel2 = nullptr;
    QLabel *stPanel3 = nullptr;
    QLabel *lbHelp = nullptr;
    int m_frame = 0;          ///< frame counter of the status animation
    bool m_fillingTree = false; ///< checks set by the program, not by the operator
    uint8_t LastMouseButton = 0;   ///< button of the last press on the tree: 1 left, 2 right, 4 middle
    QTreeWidgetItem *m_pressedNode = nullptr; ///< node under the last press on the tree
    bool m_clickChangedCheck = false; ///< the press being released toggled a check box
    int m_panelParcel = 0;  ///< parcel whose texts the information panel shows
    int m_drawnParcel = 0;  ///< parcel drawn in the picture
    QPoint m_lineStart;     ///< guide line, picture pixels
    QPoint m_lineEnd;
    QPointer<frmMap> m_map;
    QPointer<frmHelp> m_help;
    QTimer *m_pictRedraw = nullptr; ///< fits the drawn parcel again once a resize has settled
    int32_t CopiedParcel = 0; ///< parcel remembered by Ctrl+C in the tree; 0 until then
};
