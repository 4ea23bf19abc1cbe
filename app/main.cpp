#include "mainwindow/frmMain.h"
#include "platform/forms/qtprompts.h"
#include "platform/prompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::setPrompts(std::make_unique<platform::QtPrompts>());
    frmMain window;
    window.show();
    return app.exec();
}
