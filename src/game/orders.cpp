#include "game/orders.h"

#include <algorithm>
#include <string>

#include "game/combat.h"
#include "game/economy.h"
#include "game/invariants.h"
#include "game/markers.h"
#include "game/unit_types.h"
#include "game/visibility.h"

namespace {

void Refuse(Game& game, const char* message) {
    game.statusMessage = message;
    game.PlaySound(kBuzzerSound);
}

// True when the selection is a unit of the player whose turn it is.
bool OwnUnitSelected(const Game& game) {
    return game.unitSelected == 1 &&
           game.state.units[game.selectedUnit].owner == game.state.currentPlayer;
}

void SelectAt(Game& game, int x, int y) {
    game.unitSelected = 0;
    const int slot = UnitAt(game, x, y);
    if (game.visibleTiles[x][y] == 1 && slot != -1) {
        game.selectedUnit = slot;
        game.unitSelected = 1;
        game.PlaySound(game.state.units[slot].type == kBase ? "Sounds\\Select-Base.wav"
                                                             : "Sounds\\Select-Unit.wav");
    }
    RefreshSelection(game);
}

const char* MoveSound(int type) {
    switch (type) {
        case kStandard: return "Sounds\\Move-Standard.wav";
        case kAir: return "Sounds\\Move-Air.wav";
        case kTank: return "Sounds\\Move-Tank.wav";
        default: return nullptr;
    }
}

void Act(Game& game, int x, int y) {
    if (!OwnUnitSelected(game)) return;
    const Tile& tile = game.map.tiles[x][y];
    Unit& unit = game.state.units[game.selectedUnit];
    if (tile.attackMark == 1) {
        unit.canAttack = 0;
        Attack(game, game.selectedUnit, UnitAt(game, x, y));
        RefreshSelection(game);
    } else if (tile.buildMark == 1) {
        BuyUnit(game, x, y);
    } else if (unit.canMove == 1 && tile.reach > 0) {
        unit.x = x;
        unit.y = y;
        unit.canMove = 0;
        if (const char* sound = MoveSound(unit.type)) game.PlaySound(sound);
        RefreshSelection(game);
    }
}

// The place of a type among the panel's type buttons, or -1.
int PanelIndex(int type) {
    const auto at = std::find(kPanelTypes.begin(), kPanelTypes.end(), type);
    return at == kPanelTypes.end() ? -1 : static_cast<int>(at - kPanelTypes.begin());
}

// Which type buttons a unit of this type may use on this terrain.
void OfferTypes(Game& game, int type, int terrain) {
    auto offer = [&game](int offered) { game.panel.typeShown[PanelIndex(offered)] = true; };
    switch (type) {
        case kStandard:
            offer(kAir);
            offer(kTank);
            offer(kArtillery);
            if (terrain == kClearing) offer(kBase);
            break;
        case kAir:
            if (terrain != kWater && terrain != kRough) offer(kStandard);
            break;
        case kTank:
        case kArtillery: offer(kStandard); break;
        default: break;
    }
}

using SlotTest = bool (*)(const Game&, int);

bool CanStillMove(const Game& game, int slot) {
    const Unit& u = game.state.units[slot];
    return u.canMove == 1 && u.type != kBase && UnitSpeed(game, slot) > 0;
}

bool CanStillAttack(const Game& game, int slot) { return game.state.units[slot].canAttack == 1; }

// Goes on from the shared cursor, wrapping after slot 239, for the next unit
// of the current player that passes the test.
bool SelectNext(Game& game, SlotTest test) {
    int slot = game.nextUnitCursor;
    for (int tries = 0; tries < kMaxUnits; ++tries) {
        slot = (slot + 1) % kMaxUnits;
        const Unit& u = game.state.units[slot];
        if (u.state != kActive || u.owner != game.state.currentPlayer || !test(game, slot)) continue;
        game.selectedUnit = game.nextUnitCursor = slot;
        game.unitSelected = 1;
        game.scrollX = ScrollToward(u.x, game.maxScrollX);
        game.scrollY = ScrollToward(u.y, game.maxScrollY);
        RefreshSelection(game);
        return true;
    }
    Refuse(game, "ALL UNITS CHECKED");
    return false;
}

}  // namespace

void RefreshSelection(Game& game) {
    ClearMarkers(game);
    if (game.unitSelected) ComputeMarkers(game);
    OfferedCommands(game);
}

void MapClick(Game& game, int button, int x, int y) {
    if (!OnMap(game, x, y)) return;
    const InvariantGuard guard(game, "MapClick");
    if (button == kLeftButton) SelectAt(game, x, y);
    if (button == kRightButton) Act(game, x, y);
}

bool BuyUnit(Game& game, int x, int y) {
    const int player = game.state.currentPlayer;
    if (!BelowUnitCap(game, player)) {
        Refuse(game, "MAX UNITS REACHED");
        return false;
    }
    if (game.state.players[player].energy < kUnitPrice) {
        Refuse(game, "NOT ENOUGH ENERGY");
        return false;
    }
    const int slot = CreateUnit(game, x, y, player, kStandard);
    // Every slot of the unit table in use: refused like the unit cap.
    if (slot < 0) {
        Refuse(game, "MAX UNITS REACHED");
        return false;
    }
    game.PlaySound("Sounds\\Select-Unit.wav");
    game.state.players[player].energy -= kUnitPrice;
    game.unitSelected = 1;
    game.selectedUnit = slot;
    RefreshSelection(game);
    return true;
}

void OfferedCommands(Game& game) {
    TurnPanel& panel = game.panel;
    panel.repairShown = false;
    panel.typeShown = {};
    if (!OwnUnitSelected(game)) return;
    const Unit& unit = game.state.units[game.selectedUnit];
    if (unit.canAttack != 1) return;
    OfferTypes(game, unit.type, game.map.tiles[unit.x][unit.y].terrain);
    const Player& owner = game.state.players[unit.owner];
    if (unit.health < owner.powerLevel &&
        game.state.players[game.state.currentPlayer].energy >= kRepairPricePerPoint) {
        panel.repairShown = true;
        panel.repairLabel =
            "REPAIR FOR " + std::to_string(kRepairPricePerPoint * (owner.powerLevel - unit.health));
    }
}

namespace {

// The panel's commands are only offered for an own unit with its action left;
// a command that is not on offer is ignored like any order that does not apply.
bool TypeOffered(Game& game, int type) {
    OfferedCommands(game);
    const int index = PanelIndex(type);
    return index >= 0 && game.panel.typeShown[index];
}

}  // namespace

void ChangeType(Game& game, int newType) {
    const InvariantGuard guard(game, "ChangeType");
    if (!TypeOffered(game, newType)) return;
    Unit& unit = game.state.units[game.selectedUnit];
    unit.type = newType;
    if (newType == kBase) unit.canMove = 0;
    unit.canAttack = 0;
    ComputeVisibility(game);
    game.panel.miniMapStale = true;
    RefreshSelection(game);
}

void Repair(Game& game) {
    const InvariantGuard guard(game, "Repair");
    OfferedCommands(game);
    if (!game.panel.repairShown) return;
    const int slot = game.selectedUnit;
    game.state.units[slot].canAttack = 0;
    const int healed = RepairWithEnergy(game, slot, game.state.currentPlayer);
    game.statusMessage = std::to_string(healed) + " SHIELDS REPAIRED";
    RefreshSelection(game);
}

void RaisePower(Game& game) {
    const InvariantGuard guard(game, "RaisePower");
    const int player = game.state.currentPlayer;
    const int level = game.state.players[player].powerLevel;
    if (CanRaisePower(level) && !BuyPowerStep(game, player)) Refuse(game, "NOT ENOUGH ENERGY");
    SetPowerButton(game);
}

void SetPowerButton(Game& game) {
    const int level = game.state.players[game.state.currentPlayer].powerLevel;
    game.panel.powerShown = CanRaisePower(level);
    game.panel.powerLabel = std::to_string(level + kPowerStep) + " POWER FOR " +
                            std::to_string(PowerPrice(level));
}

bool NextMovableUnit(Game& game) { return SelectNext(game, CanStillMove); }

bool NextAttackingUnit(Game& game) { return SelectNext(game, CanStillAttack); }
