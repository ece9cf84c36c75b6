// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/legend_layers.h"

#include <initializer_list>

namespace scene {

namespace {

struct LayerInks {
    bool geometry::Layers::*shown;
    std::initializer_list<const surface::Ink*> inks;
};

bool inLayer(const surface::Ink* ink, const geometry::Layers& layers, const LayerInks& layer) {
    for (const surface::Ink* member : layer.inks)
        if (member == ink)
            return layers.*layer.shown;
    return true;
}

} // namespace

bool legendShown(const surface::LegendEntry& entry, const geometry::Layers& layers) {
    using namespace surface::inks;
    const LayerInks table[] = {
        {&geometry::Layers::normals, {&normal, &rearNormal}},
        {&geometry::Layers::wavelets, {&wavelets}},
        {&geometry::Layers::wavefronts, {&wavefront}},
        {&geometry::Layers::beam,
         {&exitDots, &continuedRay, &continuedRayOnPage, &exitRefraction, &rayEnds}},
        {&geometry::Layers::directionArrows, {&directionArrow}},
        {&geometry::Layers::cardinal,
         {&thinLensImage, &thinLensFoci, &thinLensRays, &principalPlanes, &thickLensFoci,
          &nodalPoints, &thickLensRays, &thickLensImage, &equationFoci, &equationPlanes,
          &equationRays, &equationRaysBackward}},
    };
    for (const LayerInks& layer : table)
        if (!inLayer(entry.ink, layers, layer))
            return false;
    return true;
}

} // namespace scene
