#pragma once
#include "map/picture.h"
