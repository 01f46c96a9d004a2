// The pages' plug-in point: the parameter and flag pages replace makeEditHooks() with their own
// implementation of EditHooks. The stand-in does nothing.
#include "app/shell_wx.h"

namespace tessaly {

std::unique_ptr<EditHooks> makeEditHooks(Shell& /*shell*/) {
    return std::make_unique<EditHooks>();
}

}  // namespace tessaly
