#include "mainwindow/frmMain.h"
#include "platform/forms/qtprompts.h"
#include "platform/prompts.h"
#include "reference/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setPrompts(std::make_unique<platform::QtPrompts>());
    // The font settings and the reference database first; without the database there is no
    // main window (the reason has been shown).
    if (!reference::StartUp(QCoreApplication::applicationDirPath()))
        return 1;
    frmMain window;
    window.show();
    return app.exec();
}
