#include "platform/progresssink.h"
