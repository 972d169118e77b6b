#include "screens/game_option_lines.h"

namespace {

std::string GameNameLine(const GameState& s) {
    switch (s.gameType) {
        case kSinglePlayer: return "GAME NAME   : SOLO-" + s.gameName;
        case kHotSeat: return "GAME NAME   : HOTS-" + s.gameName;
        case kPlayByMail: return "GAME NAME   : PBEM-" + s.gameName;
        default: return "";
    }
}

std::string GameTypeLine(int gameType) {
    const char* name = GameTypeName(gameType);
    return std::string("GAME TYPE   : ") + (name ? name : "");
}

std::string VictoryTypeLine(const GameState& s) {
    switch (s.victoryType) {
        case kScoreVictory: return "VICTORY TYPE: SCORE " + std::to_string(s.victoryScore);
        case kTurnVictory: return "VICTORY TYPE: TURN " + std::to_string(s.victoryTurn);
        default: return "VICTORY TYPE: CONQUER";
    }
}

std::string MapSizeLine(int mapSize) {
    const char* name = MapSizeName(mapSize);
    return std::string("MAPSIZE     : ") + (name ? name : "");
}

std::string ComputerLine(int level) {
    switch (level) {
        case kEasy: return "COMPUTER    : EASY";
        case kFair: return "COMPUTER    : FAIR";
        case kHard: return "COMPUTER    : HARD";
        default: return "COMPUTER    : ";
    }
}

}  // namespace

std::vector<std::string> GameOptionLines(const Game& game) {
    const GameState& s = game.state;
    return {
        GameNameLine(s),
        "START DATE  : " + s.startDate,
        GameTypeLine(s.gameType),
        VictoryTypeLine(s),
        MapSizeLine(game.map.mapSize),
        "POP CAP     : " + std::to_string(game.unitCap),
        ComputerLine(s.computerLevel),
        "TERRAIN NAME: " + s.terrainName,
    };
}

const char* MapSizeName(int mapSize) {
    switch (mapSize) {
        case 27: return "TINY";
        case 36: return "SMALL";
        case 45: return "NORMAL";
        case 54: return "LARGE";
        case 63: return "HUGE";
        default: return nullptr;
    }
}

const char* GameTypeName(int gameType) {
    switch (gameType) {
        case kSinglePlayer: return "SINGLE PLAYER";
        case kHotSeat: return "HOTSEAT";
        case kPlayByMail: return "PLAY BY EMAIL";
        default: return nullptr;
    }
}

const char* LifeStateName(int lifeState) {
    switch (lifeState) {
        case kAlive: return "ALIVE";
        case kDying: return "DYING";
        case kDead: return "DEAD";
        default: return "";
    }
}
