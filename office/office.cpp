#include "office/office.h"
