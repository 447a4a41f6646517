#include "host/model/entity_transform.h"
