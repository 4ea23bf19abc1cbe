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
    // Names the operator's data folder (~/.local/share/zova), whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("zova"));
    // The interface is Ukrainian whatever the system language: Qt's own dialogs and buttons too.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    platform::setPrompts(std::make_unique<platform::QtPrompts>());
    // The font settings and the reference database first; without the database there is no
    // main window (the reason has been shown). What ships lies in the program folder; what the
    // office changes (mybase.dat, Export) in the operator's data folder.
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString dataDir = reference::UserDataFolder();
    if (!reference::StartUp(programDir, dataDir))
        return 1;
    frmMain window(programDir, dataDir);
    window.show();
    return app.exec();
}
