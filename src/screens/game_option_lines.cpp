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
    switch (gameType) {
        case kSinglePlayer: return "GAME TYPE   : SINGLE PLAYER";
        case kHotSeat: return "GAME TYPE   : HOTSEAT";
        case kPlayByMail: return "GAME TYPE   : PLAY BY EMAIL";
        default: return "GAME TYPE   : ";
    }
}

std::string VictoryTypeLine(const GameState& s) {
    switch (s.victoryType) {
        case kScoreVictory: return "VICTORY TYPE: SCORE " + std::to_string(s.victoryScore);
        case kTurnVictory: return "VICTORY TYPE: TURN " + std::to_string(s.victoryTurn);
        default: return "VICTORY TYPE: CONQUER";
    }
}

std::string MapSizeLine(int mapSize) {
    switch (mapSize) {
        case 27: return "MAPSIZE     : TINY";
        case 36: return "MAPSIZE     : SMALL";
        case 45: return "MAPSIZE     : NORMAL";
        case 54: return "MAPSIZE     : LARGE";
        case 63: return "MAPSIZE     : HUGE";
        default: return "MAPSIZE     : ";
    }
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

const char* LifeStateName(int lifeState) {
    switch (lifeState) {
        case kAlive: return "ALIVE";
        case kDying: return "DYING";
        case kDead: return "DEAD";
        default: return "";
    }
}
