#include "reference/state.h"
