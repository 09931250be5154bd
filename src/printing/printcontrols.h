#pragma once

// The print item model in one include: a tree of boxes, texts, lines and pictures in page
// units of 0.1 mm, built per page and drawn in one pass onto the page's surface.
#include "printing/PrintBox.h"
#include "printing/PrintImage.h"
#include "printing/PrintItem.h"
#include "printing/PrintLine.h"
#include "printing/PrintSheet.h"
#include "printing/PrintText.h"
