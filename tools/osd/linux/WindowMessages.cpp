#include "WindowMessages.h"

// On Linux the main program reaches the companion through its local server only.
bool receiveWindowMessages(quintptr /*window*/, OsdMessageHandler /*handler*/)
{
    return false;
}
