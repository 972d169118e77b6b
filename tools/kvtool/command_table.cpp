#include "commands.h"

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"terrain", "print the world grown from a seed and a map size, as JSON",
         "Usage: kvtool terrain SEED SIZE\n\n"
         "Grows the world of map seed SEED on a SIZE x SIZE map (27, 36, 45, 54 or 63) and prints\n"
         "one JSON object: mapSeed, mapSize, rngState (the random generator's state afterwards),\n"
         "terrain (codes indexed [x][y]), imageRect ([x][y] as [l, t, r, b]) and cornerRect\n"
         "([x][y] as four rectangles: north-west, north-east, south-west, south-east; [-1,-1,-1,-1]\n"
         "where a quarter has none). Bad arguments: exit status 2.\n",
         RunTerrain},
        {"show", "print a saved game as JSON",
         "Usage: kvtool show FILE\n\n"
         "Reads the saved game FILE and prints it as one JSON object with the game's field names,\n"
         "its scrambling key as \"key\", the four players and the active units in stored order.\n"
         "Strings are the file's bytes read as Latin-1. A file that does not load: a one-line\n"
         "reason on stderr and exit status 1.\n",
         RunShow},
        {"write", "write a saved game from JSON on standard input",
         "Usage: kvtool write FILE [--key K]\n\n"
         "Reads a JSON object shaped as `kvtool show` prints it from standard input (its \"key\"\n"
         "member is ignored) and writes the saved game FILE. With --key K (0 to 9998) the file is\n"
         "scrambled with key K, so the bytes are reproducible; without it the key is drawn from the\n"
         "clock as the game draws it. Bad input: a message on stderr, exit status 1, no file written.\n",
         RunWrite},
    };
    return commands;
}
