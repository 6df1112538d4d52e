#pragma once

// The report is drawn by the render library; the windows include it by this name too.
#include "render/housereport.h"
