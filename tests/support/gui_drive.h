#pragma once
// Now part of the one window test context: TypeKeys, TypeInto, PickOption, WhenModal, Settle,
// ReadAll, WriteAll, ShowActive and WindowContext.

#include "support/window_context.h"
