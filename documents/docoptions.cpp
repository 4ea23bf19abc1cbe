#include "documents/docoptions.h"

namespace documents {

DocOptions &options()
{
    static DocOptions o;
    return o;
}

void resetOptions()
{
    options() = DocOptions();
}

QString OutputFolderOf(const QString &folder)
{
    if (folder.size() > 1 && !folder.endsWith(QLatin1Char('/')))
        return folder + QLatin1Char('/');
    return folder;
}

} // namespace documents
