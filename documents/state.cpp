#include "documents/state.h"

namespace documents {

State &state()
{
    static State instance;
    return instance;
}

void resetState()
{
    state() = State();
}

} // namespace documents
