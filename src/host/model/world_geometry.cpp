#include "host/model/world_geometry.h"
