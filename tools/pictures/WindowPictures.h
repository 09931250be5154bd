#pragma once

#include "PictureWriter.h"

namespace velmora::pictures {

// The banner beside the logo in the program window, "images/header.jpg".
void writeHeaderPicture(PictureWriter& writer);
// The program's icon for the window and the desktop menu, "images/velmora.png".
void writeProgramIcon(PictureWriter& writer);

}  // namespace velmora::pictures
