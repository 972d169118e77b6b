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
         "Usage: kvtool show FILE [--passwords]\n\n"
         "Reads the saved game FILE and prints it as one JSON object with the game's field names,\n"
         "its scrambling key as \"key\", the four players and the active units in stored order.\n"
         "Strings are the file's bytes read as Latin-1. The players' passwords are left out unless\n"
         "--passwords is given (kvtool write needs them). A file that does not load: a one-line\n"
         "reason on stderr and exit status 1. Bad arguments: exit status 2.\n",
         RunShow},
        {"write", "write a saved game from JSON on standard input",
         "Usage: kvtool write FILE [--key K]\n\n"
         "Reads a JSON object shaped as `kvtool show --passwords` prints it from standard input (its\n"
         "\"key\" member is ignored) and writes the saved game FILE. With --key K (0 to 9998) the file is\n"
         "scrambled with key K, so the bytes are reproducible; without it the key is drawn from the\n"
         "clock as the game draws it. Bad input: a message on stderr, exit status 1, no file written.\n",
         RunWrite},
        {"advance", "play seat turns of a saved game as the turn cycle plays them",
         "Usage: kvtool advance FILE --seats N [--world-seed S] [--key K]\n\n"
         "Plays N seat steps of the saved game FILE without any screen and leaves the game in FILE.\n"
         "Each step is one hand-over (FILE read back) and what follows it; all but a stop end the\n"
         "turn: the view stored, seat and turn advanced, FILE written.\n"
         "  - game over: prints \"GAME OVER W\" (W the winning seat, 0 to 3) and exits 0;\n"
         "  - a closed or DEAD seat is passed over;\n"
         "  - a seat not yet set up: a computer seat gets its set-up turn (named after its colour);\n"
         "    a human seat cannot be set up here: message on stderr, exit status 1;\n"
         "  - a computer seat plays its computer turn;\n"
         "  - a DYING human seat becomes DEAD (its notice taken as shown);\n"
         "  - any other human seat starts its turn as the game does (a new world first when there is\n"
         "    none, seeded with S from --world-seed, which is then required; starting units placed and\n"
         "    FILE saved), its pending notices are cleared, and it ends the turn at once.\n"
         "The run starts as the game does: every unit slot free with its action flags clear, the view\n"
         "at 0, 0. With --key K (0 to 9998) every save uses key K, so the same input and arguments\n"
         "always give the same bytes; without it the key is drawn from the clock as the game draws it.\n"
         "Exit status: 0 done (or game over), 1 a stop or a file that cannot be read or written\n"
         "(message on stderr), 2 bad arguments.\n",
         RunAdvance},
        {"selfplay", "play whole games of one idle human seat against three computer seats",
         "Usage: kvtool selfplay --size N --level L [--seed S] [--turns T] [--out FILE] [--games G]\n\n"
         "Sets up a single-player game on an N map (27, 36, 45, 54 or 63) at computer level L (1, 2, 3\n"
         "or EASY, FAIR, HARD) with an idle human seat 0 and computer seats 1 to 3, and plays it through\n"
         "the turn cycle and its saved-game file until the game is over or T playing turns (default\n"
         "100) are done. Seed S (default 1) decides the world and every draw. Prints one line:\n"
         "  seed S: TURNS turns, game over|turn limit, winner seat W (FACTION), scores A B C D\n"
         "With --out FILE the saved game is kept in FILE for inspection. With --games G it plays G\n"
         "games on seeds S, S+1, ..., seat i playing faction (i + game) mod 4, prints each game's line\n"
         "and then each faction's and each seat's wins. Bad arguments: exit status 2.\n",
         RunSelfPlay},
        {"changes", "print what changed for a seat between two moments of one saved game",
         "Usage: kvtool changes OLD NEW [--seat N] [--json] [--all]\n\n"
         "Compares the saved games OLD and NEW, two moments of one game (the same name, type, start\n"
         "date and world seed), and prints what seat N (default: the seat in turn in NEW) was told of\n"
         "at the start of its turn: its own units lost, damaged, repaired, converted or moved; the\n"
         "other seats' units that came, moved, changed or went within its sight (in NEW, and for a\n"
         "unit gone, at its old tile in both); seats that went out and scores that changed. The text\n"
         "is the game's own report; --json prints one object: seat, units (fate changed, gone, new\n"
         "or left; slot, owner, type, oldType, fromX, fromY, x, y, oldHealth, health; -1 for a\n"
         "tile not known) and seats (seat, oldScore, score, eliminated). --all drops the fog: every\n"
         "tile counts as seen. A file that does not load or two different games: a message on\n"
         "stderr, exit status 1. Bad arguments: exit status 2.\n",
         RunChanges},
    };
    return commands;
}
