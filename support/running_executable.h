#pragma once

#include <string>

namespace murax {

// The full path of the running executable, as the system gives it; "" when it cannot tell.
std::string runningExecutablePath();

}  // namespace murax
