// The preview builder's plug-in point. The builder proper replaces makePreviewBuilder() and
// loadPlaceholderPicture(); the stand-in below fills the element picker, so the pages can be
// used on code before the preview controls exist.
#include "app/preview_host_wx.h"

namespace tessaly {

namespace {

class PickerOnlyPreview : public PreviewBuilder {
  public:
    void openDefaultWindow(PreviewHost& /*host*/) override {}

    void buildPreview(ElementList& list, PreviewHost& host) override {
        for (int i = 0; i < list.count(); ++i) {
            sElement& e = list[i];
            if (e.Sort != kSortWindow && e.Sort != kSortGadget) continue;
            const std::string name = e.Parameters.empty() ? std::string() : e.Parameters[0].Value;
            e.Index = host.appendPickerEntry(name + " :: " + e.KeyWord, i);
        }
    }
};

}  // namespace

std::unique_ptr<PreviewBuilder> makePreviewBuilder() {
    return std::make_unique<PickerOnlyPreview>();
}

int32_t loadPlaceholderPicture() {
    return 0;
}

}  // namespace tessaly
