#pragma once

#include <wx/toplevel.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "form/model.h"

namespace tessaly {

// What the shell offers the preview builder.
class PreviewHost {
  public:
    virtual ~PreviewHost() = default;
    // Number of the preview window; 0 until a preview window has been opened (0 is also the
    // main window, which hover tracking then follows).
    virtual int32_t previewWindow() const = 0;
    virtual void setPreviewWindow(int32_t number) = 0;
    // Gives a window the program's close (quit) and size (re-lay) handlers. Call it for every
    // window the builder opens.
    virtual void adoptWindow(wxTopLevelWindow* window) = 0;
    // Registers the nine shortcuts on a window (the preview window of a code with a window line).
    virtual void installShortcuts(wxTopLevelWindow* window) = 0;
    // Appends an entry to the element picker that names list element `listIndex`; returns the
    // entry's index, which the element keeps as its `Index`.
    virtual int32_t appendPickerEntry(const std::string& text, int32_t listIndex) = 0;
    // Shows a note about the preview in the main window's status line.
    virtual void showNote(const std::string& text) = 0;
    // Registry number of the placeholder picture shown for OpenGL gadgets; 0 when there is none.
    virtual int32_t placeholderPicture() const = 0;
    // The value of a name (a constant of the code, a default of the nearest procedure above code
    // line `line`) in an expression on that line, if it has one.
    virtual std::optional<int64_t> nameValue(int32_t /*line*/, std::string_view /*name*/) const {
        return std::nullopt;
    }
};

// Builds the live preview from a freshly read element list. Called only by a reading.
class PreviewBuilder {
  public:
    virtual ~PreviewBuilder() = default;
    // Opens (or reuses) the default preview window of a code without a window line.
    virtual void openDefaultWindow(PreviewHost& host) = 0;
    // Creates the preview controls and the picker entries, one pass over the list.
    virtual void buildPreview(ElementList& list, PreviewHost& host) = 0;
};

// The preview builder the window program uses: the live preview (app/preview_seam_wx.cpp).
std::unique_ptr<PreviewBuilder> makePreviewBuilder();

// Decodes the placeholder picture into the registry and returns its number (0 if the embedded
// picture cannot be decoded). Start-up calls it once.
int32_t loadPlaceholderPicture();

}  // namespace tessaly
