#include "registers/folders.h"

namespace registers {

Folders &folders()
{
    static Folders f;
    return f;
}

void resetFolders()
{
    folders() = Folders();
}

} // namespace registers
