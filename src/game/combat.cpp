#include "game/combat.h"

#include <string>

#include "game/unit_types.h"

namespace {

struct AttackView {
    const char* text;
    const char* sound;
};

AttackView ViewOf(int type) {
    switch (type) {
        case kStandard: return {"STANDARD ATTACK", "Sounds\\Attack-Standard.wav"};
        case kAir: return {"AIR ATTACK", "Sounds\\Attack-Air.wav"};
        case kTank: return {"TANK ATTACK", "Sounds\\Attack-Tank.wav"};
        case kArtillery: return {"ARTILLERY ATTACK", "Sounds\\Attack-Artillery.wav"};
        case kBase: return {"BASE ATTACK", "Sounds\\Attack-Base.wav"};
        default: return {"", ""};
    }
}

// What one attack has come to so far.
struct Outcome {
    std::string sound;
    int damage = 0;
    int award = kAttackAward;
    int kills = 0;
};

bool IsShown(const Game& game) {
    return game.state.players[game.state.currentPlayer].isHuman != 0;
}

// Spread evenly over half the most damage up to the most damage.
int RollDamage(Game& game, int attacker) {
    const int most = UnitMaxDamage(game, attacker);
    const int least = most / 2;
    return least + game.rng.Below(most - least + 1);
}

// A chance in percent: won when a draw below 100 falls under it.
bool WinsChance(Game& game, int chance) { return game.rng.Below(100) < chance; }

void Announce(Game& game, Outcome& out, const char* text, const char* sound) {
    game.statusMessage = text;
    out.sound = sound;
}

void Firebomb(Game& game, int attacker, int target, Outcome& out) {
    const int attackerOwner = game.state.units[attacker].owner;
    const int tx = game.state.units[target].x;
    const int ty = game.state.units[target].y;
    for (int x = tx - 1; x <= tx + 1; ++x) {
        for (int y = ty - 1; y <= ty + 1; ++y) {
            if (!OnMap(game, x, y) || (x == tx && y == ty)) continue;
            // A unit still exploding from an earlier attack is already
            // destroyed and must not be paid for twice.
            const int slot = ActiveUnitAt(game, x, y);
            if (slot < 0) continue;
            Unit& victim = game.state.units[slot];
            if (victim.owner == attackerOwner) continue;
            victim.health -= out.damage / 2;
            if (victim.health >= 1) continue;
            out.kills += 1;
            out.award += victim.type == kBase ? kBaseKillAward : kBlastKillAward;
            DestroyUnit(game, slot);
        }
    }
}

// The attacker's faction special; only STANDARD units have one, and only the
// attacker's own faction draws.
void FactionSpecial(Game& game, int attacker, int target, Outcome& out) {
    Unit& unit = game.state.units[attacker];
    const Player& owner = game.state.players[unit.owner];
    switch (owner.faction) {
        case kWasp:
            if (WinsChance(game, kStingerChance) && unit.health < owner.powerLevel) {
                unit.health = owner.powerLevel;
                Announce(game, out, "* STINGER *", "Sounds\\Special-Stinger.wav");
            }
            break;
        case kPanther:
            if (WinsChance(game, kDirectHitChance)) {
                Unit& victim = game.state.units[target];
                out.damage = victim.health;
                victim.health = 0;
                Announce(game, out, "* DIRECT-HIT *", "Sounds\\Special-Direct-Hit.wav");
            }
            break;
        case kRaptor:
            if (WinsChance(game, kFreeAttackChance)) {
                unit.canAttack = 1;
                Announce(game, out, "* FREE-ATTACK *", "Sounds\\Special-Free-Attack.wav");
            }
            break;
        case kFirebird:
            if (WinsChance(game, kFirebombChance)) {
                Announce(game, out, "* FIREBOMB *", "Sounds\\Special-Firebomb.wav");
                Firebomb(game, attacker, target, out);
            }
            break;
        default: break;
    }
}

void StrikeTarget(Game& game, int target, Outcome& out, bool shown) {
    Unit& victim = game.state.units[target];
    victim.health -= out.damage;
    if (shown && !out.sound.empty()) game.PlaySound(out.sound);
    if (victim.health >= 1) return;
    out.kills += 1;
    if (victim.type == kBase) out.award += kBaseKillAward;
    if (shown)
        game.PlaySound(victim.type == kBase ? "Sounds\\Explosion-Base.wav"
                                            : "Sounds\\Explosion-Unit.wav");
    DestroyUnit(game, target);
}

void PayAndReport(Game& game, const Outcome& out) {
    int award = out.award + kKillAward * out.kills;
    Player& acting = game.state.players[game.state.currentPlayer];
    acting.energy += award;
    acting.score += award;
    game.statusMessage += " : DAMAGE = " + std::to_string(out.damage);
    game.statusMessage += " : AWARD = " + std::to_string(award);
    if (out.kills > 0) game.statusMessage += " : * " + std::to_string(out.kills) + " UNITS DESTROYED *";
}

}  // namespace

void DestroyUnit(Game& game, int slot) {
    Unit& u = game.state.units[slot];
    u.state = IsShown(game) ? kDestroyed : kFree;
    u.explosionFrame = 0;
}

int EliminateBaselessPlayers(Game& game) {
    auto& players = game.state.players;
    const bool shown = IsShown(game);
    int eliminated = 0;
    for (int p = 0; p < kSeats; ++p) {
        if (players[p].seatOpen != 1 || players[p].lifeState != kAlive) continue;
        if (CountBases(game, p) != 0) continue;
        for (Player& told : players) told.destroyedNotice[p] = 1;
        players[p].destroyer = game.state.currentPlayer;
        if (shown) game.PlaySound("Sounds\\Explosion-Player.wav");
        EliminatePlayer(game, p);
        ++eliminated;
    }
    return eliminated;
}

void Attack(Game& game, int attacker, int target) {
    const bool shown = IsShown(game);
    const int attackerType = game.state.units[attacker].type;
    const AttackView view = ViewOf(attackerType);
    game.statusMessage = view.text;
    Outcome out;
    out.sound = view.sound;
    out.damage = RollDamage(game, attacker);
    if (game.state.units[target].type == kTank) out.damage /= 2;
    if (out.damage < 1) out.damage = 1;
    if (attackerType == kStandard) FactionSpecial(game, attacker, target, out);
    StrikeTarget(game, target, out, shown);
    out.award += kEliminationAward * EliminateBaselessPlayers(game);
    PayAndReport(game, out);
}
