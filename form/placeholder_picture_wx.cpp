#include "form/placeholder_picture_wx.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include "form/placeholder_picture.h"

namespace tessaly {

wxImage decodePlaceholderPicture() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxImage::AddHandler(new wxJPEGHandler);
    wxLogNull quiet;  // damaged data gives an invalid image, not a log window
    wxMemoryInputStream stream(kPlaceholderPictureJpeg, kPlaceholderPictureJpegSize);
    return wxImage(stream, wxBITMAP_TYPE_JPEG);
}

}  // namespace tessaly
