#include "form/placeholder_picture_wx.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include "form/placeholder_picture.h"

namespace tessaly {

wxImage decodePlaceholderPicture() {
    wxLogNull quiet;  // damaged data gives an invalid image, not a log window
#if wxUSE_LIBJPEG
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxImage::AddHandler(new wxJPEGHandler);
    wxMemoryInputStream stream(kPlaceholderPictureJpeg, kPlaceholderPictureJpegSize);
    return wxImage(stream, wxBITMAP_TYPE_JPEG);
#else
    if (!wxImage::FindHandler(wxBITMAP_TYPE_GIF)) wxImage::AddHandler(new wxGIFHandler);
    wxMemoryInputStream stream(kPlaceholderPictureGif, kPlaceholderPictureGifSize);
    return wxImage(stream, wxBITMAP_TYPE_GIF);
#endif
}

}  // namespace tessaly
