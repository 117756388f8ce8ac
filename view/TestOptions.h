#pragma once
// The options of the next test, read from the program's settings.
#include "session/TestOptions.h"

// The options as they are set now.
TestOptions CurrentTestOptions();
