#include "print/rules/pagefit.h"

#include <algorithm>

namespace ocu {
namespace {

bool empty(Extent e) { return !(e.width > 0) || !(e.height > 0); }

double fitScale(Extent image, Extent area) { return std::min(area.width / image.width, area.height / image.height); }

}  // namespace

std::optional<PagePlacement> placeOnPage(Extent image, Extent portraitArea, Extent landscapeArea) {
    if (empty(image)) return std::nullopt;
    const double upright = empty(portraitArea) ? 0 : fitScale(image, portraitArea);
    const double turned = empty(landscapeArea) ? 0 : fitScale(image, landscapeArea);
    if (upright <= 0 && turned <= 0) return std::nullopt;
    const bool landscape = turned > upright;
    const Extent area = landscape ? landscapeArea : portraitArea;
    const double scale = landscape ? turned : upright;
    return PagePlacement{.landscape = landscape,
                         .scale = scale,
                         .left = (area.width - image.width * scale) / 2,
                         .top = (area.height - image.height * scale) / 2};
}

}  // namespace ocu
