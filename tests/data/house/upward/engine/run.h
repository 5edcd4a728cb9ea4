#pragma once
#include "commands/sweep.h"
