#pragma once

#include "PictureWriter.h"

namespace velmora::pictures {

// The maker's logo of the printout header, "halvex-logo.jpg", in the header's proportions.
void writeLogoPicture(PictureWriter& writer);

}  // namespace velmora::pictures
