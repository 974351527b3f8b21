// The scene of the zoom part: a deep Mandelbrot spiral, drawn at the scale of each plane that shows
// it. The still and its four layers are centred views of the same scene; each layer's extent is the
// share of the still's width it covers, given by the plane sizes along the zoom path, so the layers
// line up with each other and the zoom through them is continuous.
#pragma once

#include <string>
#include <vector>

#include "core/Image.h"

namespace datagen::closing {

struct ZoomView {
    std::string name;
    double extent;  // width of the view as a share of the still's width
    int size;       // sides of the picture, in pixels
};

// The still and the layers A to D. Along the zoom path the planes keep the sizes 12 : 3 : 1.5 : 1
// for layers A to D, and layer A starts at the size of the full-screen still.
const std::vector<ZoomView>& ZoomViews();

// A square, opaque view of the scene centred on the spiral, `extent` of the still's width wide, with
// samplesPerSide^2 samples averaged per pixel.
Image RenderZoomView(double extent, int size, int samplesPerSide);

}  // namespace datagen::closing
