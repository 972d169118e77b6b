#pragma once
// The game records: everything a game is, as plain data. One Game object owns
// a whole game plus the few values the screens share; rules are free
// functions taking it by reference, so tests can make a fresh one cheaply.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "game/rng.h"
#include "platform/rect.h"

constexpr int kMaxUnits = 240;
constexpr int kSeats = 4;
constexpr int kMaxMapSize = 63;
// The tiles the map view shows at once: the scroll limits leave it on the map.
constexpr int kViewColumns = 13;
constexpr int kViewRows = 12;  // whole rows on the 768-pixel screen

enum GameType : int { kSinglePlayer = 130, kHotSeat = 140, kPlayByMail = 150 };
enum VictoryType : int { kConquer = 0, kScoreVictory = 1, kTurnVictory = 2 };
enum ComputerLevel : int { kEasy = 1, kFair = 2, kHard = 3 };
enum LifeState : int { kDead = 0, kDying = 1, kAlive = 2 };
enum Faction : int { kFirebird = 0, kWasp = 1, kRaptor = 2, kPanther = 3 };
enum PlayerColour : int { kGreen = 0, kRed = 1, kBlue = 2, kPurple = 3 };
enum UnitType : int { kStandard = 0, kBase = 4, kAir = 5, kTank = 6, kArtillery = 7 };
enum UnitState : int { kFree = 0, kDestroyed = 1, kActive = 2 };
enum Terrain : int {
    kClearing = 1000,
    kLand = 1001,
    kWater = 1002,
    kRough = 1003,
    kCrossingVertical = 1004,    // water above and below
    kCrossingHorizontal = 1005,  // water left and right
};

inline bool IsValidMapSize(int size) {
    return size == 27 || size == 36 || size == 45 || size == 54 || size == 63;
}
inline bool IsValidUnitType(int type) {
    return type == kStandard || (type >= kBase && type <= kArtillery);
}
inline bool IsValidGameType(int type) {
    return type == kSinglePlayer || type == kHotSeat || type == kPlayByMail;
}

// What ResetGameState puts in every password: a seat nobody has given a
// password to still has a non-empty one.
inline constexpr std::string_view kPasswordPlaceholder = "P";

struct Unit {
    int state = kFree;
    int type = kStandard;
    int owner = 0;
    int health = 0;
    int x = 0;
    int y = 0;
    int explosionFrame = 0;
    uint8_t canAttack = 0;
    uint8_t canMove = 0;
    bool operator==(const Unit&) const = default;
};

struct Player {
    int seatOpen = 0;
    int isHuman = 0;
    int setupDone = 0;
    int lifeState = kDead;
    std::array<int, kSeats> destroyedNotice{};
    std::string name;
    std::string password;
    int energy = 0;
    int score = 0;
    int destroyer = 0;
    int viewX = 0;
    int viewY = 0;
    int faction = 0;
    int powerLevel = 0;
    int colour = 0;
    bool operator==(const Player&) const = default;
};

struct GameState {
    // The game options: what set-up decides.
    std::string gameName;
    std::string startDate;
    int gameType = 0;
    int victoryType = 0;
    int victoryScore = 0;
    int victoryTurn = 0;
    int usePasswords = 0;
    int computerLevel = 0;
    std::string terrainName;
    // The game under way.
    int turn = 0;
    int currentPlayer = 0;
    std::array<Unit, kMaxUnits> units{};
    std::array<Player, kSeats> players{};
    bool operator==(const GameState&) const = default;
};

struct Tile {
    int terrain = 0;
    Rect imageRect;
    std::array<Rect, 4> cornerRect{};  // north-west, north-east, south-west, south-east
    int reach = 0;
    uint8_t buildMark = 0;
    uint8_t attackMark = 0;
    bool operator==(const Tile&) const = default;
};

struct GameMap {
    int mapSeed = 0;
    int mapSize = 0;
    std::array<std::array<Tile, kMaxMapSize>, kMaxMapSize> tiles{};  // [x][y]
};

// The ways the rules reach the world outside: the millisecond tick count used
// for fresh seeds, and sounds asked for by file name ("Sounds\\Buzzer.wav").
// Both are replaceable so that tests and tools replay exactly.
struct GameHooks {
    std::function<uint32_t()> tickCount;
    std::function<void(const std::string&)> playSound;
    // Tools that need reproducible files fix the saved game's scrambling key
    // (0..9998); -1 draws it from the clock as the game does.
    int fixedSaveKey = -1;
};
uint32_t SystemTickCount();

// The unit commands the turn panel offers for the selection, and the two
// labels that change with it, worked out by the rules and copied into the
// button table by the turn screen.
struct TurnPanel {
    bool repairShown = false;
    std::string repairLabel;
    // STANDARD, BASE, AIR, TANK, ARTILLERY, in the order of the panel's buttons.
    std::array<bool, 5> typeShown{};
    bool powerShown = false;
    std::string powerLabel;
    // Set when a unit's sight changed, so the screen rebuilds its mini-map.
    bool miniMapStale = false;
};

// A whole game and the values the screens share about it.
struct Game {
    GameState state;
    GameMap map;
    Rng rng;
    GameHooks hooks{SystemTickCount, nullptr};

    int unitCap = 0;
    int scrollX = 0, scrollY = 0;
    int maxScrollX = 0, maxScrollY = 0;
    uint8_t unitSelected = 0;  // a flag: 1 while a unit is selected
    int selectedUnit = 0;      // the slot of that unit, meaningful only while unitSelected is 1
    std::string statusMessage;
    std::string saveFileName;
    // The folder of saved games; tools working on a file elsewhere point it there.
    std::string saveFolder = "Saved Games";

    // What the current player can see: [x][y], 1 = seen. Fog is off only in
    // the game-over view, where the whole map is shown.
    std::array<std::array<uint8_t, kMaxMapSize>, kMaxMapSize> visibleTiles{};
    uint8_t fogOfWar = 1;
    // Where the searches for the next unit to move or attack go on from.
    int nextUnitCursor = 0;
    TurnPanel panel;

    uint32_t TickCount() const { return hooks.tickCount ? hooks.tickCount() : 0; }
    void PlaySound(const std::string& file) const {
        if (hooks.playSound) hooks.playSound(file);
    }
};

inline constexpr std::array<const char*, 4> kFactionNames = {"FIREBIRD", "WASP", "RAPTOR", "PANTHER"};

// Starts a new game of the already chosen gameType with every default.
void ResetGameState(Game& game);

// Takes the lowest slot that is not active. Returns the slot index, or -1 when
// all 240 slots are active and nothing was created.
int CreateUnit(Game& game, int x, int y, int owner, int type);

int CountBases(const Game& game, int player);

// Takes a player out: a human seat starts DYING (to be told at its next
// hand-over) and its units explode; a computer seat is DEAD at once and its
// units vanish.
void EliminatePlayer(Game& game, int player);

// The unit cap for a map size: 27 -> 20 ... 63 -> 60.
int UnitCapForMapSize(int mapSize);

// The map view's scroll limits for the map's size: the view stays on the map.
void SetScrollLimits(Game& game);
// The scroll position (along one axis) that shows a tile six tiles in from
// the view's edge, as far as the limits allow: where a selection or a seat's
// first view puts the map.
int ScrollToward(int tile, int maxScroll);

// The local date and time in the long form, upper-cased, for example
// "TUESDAY, MARCH 14, 1995, 12:41:29".
std::string LongDateText();
std::string LongDateText(const struct tm& when);
