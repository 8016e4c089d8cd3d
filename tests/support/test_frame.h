#pragma once
// Now part of the one window test context.

#include "support/window_context.h"
