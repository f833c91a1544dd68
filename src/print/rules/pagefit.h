#pragma once
// Where a screen's image goes on a printed page: as large as the printable
// area allows with its proportions kept, turned the way that makes it largest.

#include <optional>

namespace ocu {

struct Extent {
    double width = 0;
    double height = 0;
};

struct PagePlacement {
    bool landscape = false;  // the page is turned on its side
    double scale = 1;        // page units per unit of the image
    double left = 0;         // the image's top-left corner within the printable area
    double top = 0;
};

// The image is centred in the printable area of the orientation in which it
// comes out larger; on a tie the page stays upright. Nothing fits an empty
// image or an empty printable area.
std::optional<PagePlacement> placeOnPage(Extent image, Extent portraitArea, Extent landscapeArea);

}  // namespace ocu
