#pragma once

#include <vector>

namespace velmora {

// Which pages of a printout the direct-print panel prints.
enum class PrintRange { All, FromTo, CurrentOnly, Odd, Even };

// The page numbers (from 1) to print, in order, of a printout with pageCount pages: all,
// first..last (none when last is before first; clipped to the printout), the current page,
// the odd or the even page numbers.
std::vector<int> pagesToPrint(PrintRange range, int pageCount, int currentPage, int first,
                              int last);

}  // namespace velmora
