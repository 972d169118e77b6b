#pragma once
// The small colour-keyed pictures of the map view: markers, ready marks,
// the selection cursor, the explosion and the mini-map's view frame.

#include "assetgen/raster.h"

namespace assetgen {

void DrawMarkers(Image& sheet);
void DrawCursorFrames(Image& sheet);
void DrawExplosionFrames(Image& sheet);
void DrawViewFrame(Image& sheet);

}  // namespace assetgen
