#include "model/state.h"

namespace model {

State &state()
{
    static State s;
    return s;
}

void resetState()
{
    state() = State();
}

} // namespace model
