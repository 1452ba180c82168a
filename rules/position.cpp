#include "rules/position.h"

PositionRecord Position;
