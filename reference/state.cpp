#include "reference/state.h"

namespace reference {

State &state()
{
    static State s;
    return s;
}

void resetState()
{
    state() = State();
}

void SetDefaultParameters()
{
    const State defaults;
    State &s = state();
    s.BuildArea = defaults.BuildArea;
    s.AreaRange = defaults.AreaRange;
    s.KZ21Text = defaults.KZ21Text;
    s.KZ22Text = defaults.KZ22Text;
}

} // namespace reference
