// The help page (kHelpScreen, and F1 during a turn): the function keys, the
// faction specials, the unit table and the rules with their numbers, all
// taken from the rules themselves so the page never disagrees with play.
#include <cstdio>

#include "game/combat.h"
#include "game/economy.h"
#include "game/unit_types.h"
#include "screens/info_page.h"
#include "screens/screens.h"

namespace {

std::string UnitLine(const char* format, int type) {
    char line[64];
    std::snprintf(line, sizeof line, format, TypeSpeed(type), TypeRange(type), TypeSight(type));
    return line;
}

std::string Number(int value) { return std::to_string(value); }

}  // namespace

std::vector<std::string> HelpLines() {
    const std::string rule = PageRule();
    return {
        "\"KV-MANUAL.HTML\" CONTAINS DETAILED INFORMATION ABOUT THE GAME. PLEASE READ!",
        rule,
        "FUNCTION KEYS AVAILABLE DURING YOUR TURN...",
        "F1 = THIS SCREEN                 ( OR CLICK PLAYER COLOR BOX ON PANEL )",
        "F2 = CHANGE SCROLL MAP SPEED      F4 = WHAT CHANGED SINCE YOUR LAST TURN",
        "F3 = PLAYER AND GAME DETAILS     ( OR CLICK ON SCORE BOX ON PANEL )",
        rule,
        "EACH FACTION HAS ITS OWN STANDARD UNIT TYPE WHICH HAS ITS OWN SPECIAL ABILITY...",
        "FIREBIRD :\tFIREBOMB    = " + Number(kFirebombChance) +
            "% CHANCE OF HALF DAMAGE TO ANY ENEMY UNITS ADJACENT TO TARGET",
        "WASP     : STINGER     = " + Number(kStingerChance) + "% CHANCE OF TAKING ENERGY FROM TARGET TO REPAIR ITSELF",
        "RAPTOR   : FREE-ATTACK = " + Number(kFreeAttackChance) + "% CHANCE OF ANOTHER ATTACK TURN",
        "PANTHER  :\tDIRECT-HIT  = " + Number(kDirectHitChance) + "% CHANCE OF DESTROYING TARGET",
        rule,
        "UNIT TYPE     DAMAGE   SPEED   RANGE   SIGHT",
        UnitLine("STANDARD      50%%      %3d     %3d     %3d", kStandard),
        UnitLine("AIR           25%%      %3d     %3d     %3d", kAir),
        UnitLine("TANK          100%%     %3d     %3d     %3d", kTank),
        UnitLine("ARTILLERY     50%%      %3d     %3d     %3d", kArtillery),
        UnitLine("BASE          50%%      %3d     %3d     %3d", kBase),
        rule,
        "TANK UNITS BLOCK 50% OF INCOMING DAMAGE",
        "EACH PLAYER HAS THIER OWN POWER LEVEL WHICH THEY CAN INCREASE FOR A COST (MAX POWER IS " +
            Number(kMaxPowerLevel) + ")",
        "UNIT DAMAGE IS A PERCENTAGE OF YOUR POWER LEVEL (DAMAGE ROLL WILL BE 25% TO 50% OF THAT)",
        "MAX UNIT HEALTH IS THE SAME AS YOUR POWER LEVEL",
        "REPAIR COST IS " + Number(kRepairPricePerPoint) + " ENERGY PER HEALTH POINT RESTORED",
        "YOUR SCORE IS THE TOTAL ENERGY YOU GAIN DURING THE GAME",
        rule,
        "YOU GAIN " + Number(50) + " ENERGY FOR EACH BASE UNIT YOU HAVE AT START OF YOUR TURN",
        "YOU GAIN " + Number(10) + " ENERGY FOR EVERY UNIT YOU HAVE AT START OF YOUR TURN",
        "YOU GAIN " + Number(kAttackAward) + " ENERGY IMMEDIATELY EVERY TIME YOU ATTACK",
        "YOU GAIN " + Number(kKillAward) + " ENERGY IMMEDIATELY FOR DESTROYING A UNIT",
        "YOU GAIN " + Number(kBaseKillAward) + " ENERGY IMMEDIATELY FOR DESTROYING A BASE",
        "YOU GAIN " + Number(kEliminationAward) + " ENERGY IMMEDIATELY FOR DESTROYING A PLAYER",
    };
}

int RunHelpScreen() {
    const std::vector<std::string> lines = HelpLines();
    return RunInfoPage([&lines] { DrawPageLines(lines); });
}
