#include "platform/lineconverter.h"
