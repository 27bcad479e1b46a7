#include "support/desktop_calls.h"

#include "support/desktop_services.h"

namespace murax {

bool GETASYNCKEYSTATE(int virtualKey)
{
    return desktop().isKeyDown(virtualKey);
}

void SYSREFRESH()
{
    desktop().processPendingEvents();
}

}  // namespace murax
