#include "reference/forms/dbmessages.h"

#include "common/error.h"
#include "platform/prompts.h"

namespace reference {

void TellNotStored(const zova::Error &error)
{
    platform::MsgBox(QStringLiteral("Зміни не записано в базу даних.\n%1").arg(error.message()), platform::productTitle(),
                     platform::MsgIcon::Critical);
}

void TellNotRead(const zova::Error &error)
{
    platform::MsgBox(QStringLiteral("Не вдалося прочитати базу даних.\n%1").arg(error.message()),
                     platform::productTitle(), platform::MsgIcon::Critical);
}

} // namespace reference
