#pragma once
#include "output/report.h"
