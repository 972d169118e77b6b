#pragma once
// Growing a world from its seed. Only mapSeed and mapSize are ever stored;
// every screen that shows the map grows the same tiles again from them.
#include "game/state.h"

// Seeds the shared generator with mapSeed, writes terrain, imageRect and
// cornerRect of every tile of the map and leaves the generator after its
// last draw.
void GenerateTerrain(Game& game);

// Picture of every tile from its terrain code and position.
void AssignTileImages(GameMap& map);

// Corner quarters that round water and rough ground off against land.
void AssignCornerOverlays(GameMap& map);
