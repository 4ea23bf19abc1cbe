#include "mainwindow/frmMain.h"
#include "platform/forms/qtprompts.h"
#include "platform/prompts.h"
#include "reference/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The interface is Ukrainian whatever the system language: Qt's own dialogs and buttons too.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    platform::setPrompts(std::make_unique<platform::QtPrompts>());
    // The font settings and the reference database first; without the database there is no
    // main window (the reason has been shown).
    if (!reference::StartUp(QCoreApplication::applicationDirPath()))
        return 1;
    frmMain window;
    window.show();
    return app.exec();
}
