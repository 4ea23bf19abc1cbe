#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

namespace Ui {
class frmMain;
}
class QAction;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

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

    /// `programDir` is the folder of Export and the help file; empty for the folder of the
    /// running program.
    explicit frmMain(const QString &programDir = QString(), QWidget *parent = nullptr);
    ~frmMain() override;

    QString programDir() const { return m_programDir; }

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

    /// The opening road after the dialog: reads and parses the file with the progress window, and
    /// only when that succeeded replaces the model, resolves the KOATUU code and rebuilds the tree,
    /// the controls, lKoatu and the counts. A failure shows its reason (file and line) and leaves
    /// the previous parcels, tree and counts. Returns whether the file was loaded.
    bool OpenExchangeFile(const QString &path, int filter);

    /// The toolbar button with a key ("OpenF", "Sel", ...); nullptr for an unknown key.
    QAction *tBarButton(const QString &key) const;
    /// Runs the menu command of the button's key; a key without a command does nothing.
    void tBar_ButtonClick(QAction *button);

    /// One tick of the status-bar animation (the timer calls it every 200 ms).
    void Timer1_Timer();
    /// The frame the animation shows, 1..12; 0 before the first tick.
    int animationFrame() const { return m_frame; }

    static QString NodeKey(const QTreeWidgetItem *node);
    static int NodeImage(const QTreeWidgetItem *node);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setupControls();
    void connectCommands();
    void Form_Load();
    void Form_Unload();
    void CreateExportFolder();
    void setButtonState(const QString &key, bool enabled);
    void setNodeImage(QTreeWidgetItem *node, int image);

    // Tree
    void MyTree_ItemChanged(QTreeWidgetItem *node, int column);
    void MyTree_NodeCheck(QTreeWidgetItem *node);

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

    std::unique_ptr<Ui::frmMain> ui;
    QString m_programDir;
    QTimer *Timer1 = nullptr;
    QTimer *tmr = nullptr;
    QLabel *stPanel1 = nullptr;
    QLabel *stPanel2 = nullptr;
    QLabel *stPanel3 = nullptr;
    QLabel *lbHelp = nullptr;
    int m_frame = 0;          ///< frame counter of the status animation
    bool m_fillingTree = false; ///< checks set by the program, not by the operator
};
