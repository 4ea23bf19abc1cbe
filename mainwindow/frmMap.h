#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmMap;
}
namespace draw {
class DrawObjColl;
class PictureBox;
}
class QTimer;

/// "Загальний вигляд": every loaded parcel with its land-use areas, fitted into the window's
/// picture at one common scale. The parcels are drawn as they are when the window loads; a resize
/// fits that same drawing to the new size.
class frmMap : public QWidget {
    Q_OBJECT
public:
    explicit frmMap(QWidget *parent = nullptr);
    ~frmMap() override;

    draw::PictureBox *picture() const;

private:
    void Form_Load();
    void Redraw();
    bool eventFilter(QObject *watched, QEvent *event) override;

    std::unique_ptr<Ui::frmMap> ui;
    std::shared_ptr<draw::DrawObjColl> m_drawing; ///< the parcels as loaded; null when nothing fits
    QTimer *m_redraw = nullptr;
};
