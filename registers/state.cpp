#include "registers/state.h"
