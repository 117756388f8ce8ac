#pragma once
// The handle owners under the framework's names.
#include "handles/Handles.h"

namespace fw {
using namespace win;
} // namespace fw
