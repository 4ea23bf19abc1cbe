#include "draw/draw.h"
