#pragma once

// The child windows of the main window: one entry each, in the order their menu items appear.

#include "child_host.h"

#include <QString>
#include <vector>

namespace orvanta {

// Every phase editor and result view of the program.
std::vector<ChildWindowEntry> childWindowTable();

} // namespace orvanta
