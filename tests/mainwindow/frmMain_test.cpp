#include "mainwindow/frmMain.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QDir>
#include <gtest/gtest.h>

TEST(frmMain, ShowsCaptionMenuAndStatusBar)
{
    frmMain w;
    w.show();
    EXPECT_FALSE(w.windowTitle().isEmpty());
    EXPECT_NE(w.findChild<QStatusBar *>(QStringLiteral("stBar")), nullptr);
    EXPECT_NE(w.findChild<QAction *>(QStringLiteral("mnuExit")), nullptr);
    const QImage shot = w.grab().toImage();
    EXPECT_GE(shot.width(), 1280);
    if (const QByteArray dir = qgetenv("ZOVA_SCREENSHOT_DIR"); !dir.isEmpty())
        shot.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("frmMain.png")));
}
