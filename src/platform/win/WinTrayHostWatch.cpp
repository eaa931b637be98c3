#include "platform/TrayHostWatch.h"

namespace platform {

std::unique_ptr<TrayHostWatch> makeTrayHostWatch()
{
    return nullptr;
}

} // namespace platform
