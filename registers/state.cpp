#include "registers/state.h"

namespace registers {

State &state()
{
    static State s;
    return s;
}

void resetState()
{
    state() = State();
}

} // namespace registers
