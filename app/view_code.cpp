#include "app/view_code.h"

namespace tessaly {

ViewCodeSwitch::Request ViewCodeSwitch::toggle() {
    Request request;
    if (state_ == 1) {
        savedWidth_ = fullWidth_;
        state_ = 0;
        request.innerWidth = codeViewLeft_;
        request.showCredit = false;
    } else {
        state_ = 1;
        // A code view hidden by dragging the edge saved no width; asking for that width would
        // be overruled by the minimum size and the switch would untick again. Bring back the
        // designed width instead so that a press always shows the code.
        if (savedWidth_ <= codeViewLeft_) savedWidth_ = fallbackWidth_;
        request.innerWidth = savedWidth_;
        request.showCredit = true;
    }
    fullWidth_ = savedWidth_;
    return request;
}

bool ViewCodeSwitch::resized(int32_t innerWidth) {
    state_ = innerWidth > codeViewLeft_ ? 1 : 0;
    fullWidth_ = innerWidth;
    return state_ == 1;
}

}  // namespace tessaly
