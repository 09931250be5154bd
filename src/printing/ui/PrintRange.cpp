#include "printing/ui/PrintRange.h"

#include <algorithm>

namespace velmora {

std::vector<int> pagesToPrint(PrintRange range, int pageCount, int currentPage, int first,
                              int last) {
    int from = 1;
    int to = pageCount;
    int step = 1;
    switch (range) {
        case PrintRange::All:
            break;
        case PrintRange::FromTo:
            from = std::max(first, 1);
            to = std::min(last, pageCount);
            break;
        case PrintRange::CurrentOnly:
            from = currentPage;
            to = currentPage >= 1 && currentPage <= pageCount ? currentPage : 0;
            break;
        case PrintRange::Odd:
            step = 2;
            break;
        case PrintRange::Even:
            from = 2;
            step = 2;
            break;
    }
    std::vector<int> pages;
    for (int page = from; page <= to; page += step) {
        pages.push_back(page);
    }
    return pages;
}

}  // namespace velmora
