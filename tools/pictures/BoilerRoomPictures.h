#pragma once

#include "PictureWriter.h"

namespace velmora::pictures {

// The boiler room seen from above for each room corner ("heizung-topleft", "-topright",
// "-bottomleft", "-bottomright"), the boiler standing towards the room's corner walls.
void writeBoilerRoomPictures(PictureWriter& writer);

}  // namespace velmora::pictures
