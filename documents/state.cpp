#include "documents/state.h"
