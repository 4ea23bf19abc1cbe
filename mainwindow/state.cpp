#include "mainwindow/state.h"

namespace mainwindow {

State &state()
{
    static State s;
    return s;
}

void resetState()
{
    state() = State();
}

} // namespace mainwindow
