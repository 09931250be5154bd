#pragma once

#include "PictureWriter.h"

namespace velmora::pictures {

// The pipe pieces of the plan's pipework as bitmaps with white as the transparent colour,
// below images/graphics/h/ and images/graphics/v/: runs ("rohr_"), middle pieces
// ("ep_middle_"), risers ("up_"), filling connections ("hp_start_", "hp_start_up_") and
// end caps ("hp_end_") for every letter combination the plan can ask for.
void writePipePictures(PictureWriter& writer);

}  // namespace velmora::pictures
