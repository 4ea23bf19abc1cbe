#include "reference/startup.h"

#include "reference/baseconnection.h"
#include "reference/fonts.h"
#include "platform/prompts.h"

#include <QDir>

namespace reference {

bool StartUp(const QString &programDir)
{
    if (FontsNeedDefaults() && !WriteDefaultFonts())
        ReportFontsNotStored();
    LoadFonts();

    QString error;
    if (!OpenBase(QDir(programDir).filePath(QStringLiteral("mybase.dat")), &error)) {
        platform::MsgBox(error, platform::productTitle(), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
        return false;
    }
    return true;
}

} // namespace reference
