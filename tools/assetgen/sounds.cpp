#include "assetgen/sounds.h"

#include "assetgen/synth.h"

namespace assetgen {

namespace {

std::vector<float> Click() {
    Track t(0.06);
    t.Tone(0, 0.05, 1900, 1500, 1.0, 0.012);
    t.Noise(0, 0.02, 6000, 3000, 0.3, 0.005);
    return t.Finish(0.5);
}

std::vector<float> Buzzer() {
    Track t(0.36);
    t.Tone(0, 0.14, 140, 135, 1.0, 0.5, 4);
    t.Tone(0.18, 0.16, 140, 130, 1.0, 0.5, 4);
    return t.Finish(0.5);
}

std::vector<float> Start() {
    Track t(1.3);
    const double notes[] = {392, 523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 5; ++i) t.Tone(0.12 * i, 1.3 - 0.12 * i, notes[i], notes[i], 0.6, 0.35, 2);
    t.Tone(0, 1.3, 130.8, 130.8, 0.5, 0.6);
    return t.Finish(0.6);
}

std::vector<float> SelectUnit() {
    Track t(0.16);
    t.Tone(0, 0.07, 660, 700, 1, 0.05, 2);
    t.Tone(0.07, 0.09, 990, 1040, 1, 0.05, 2);
    return t.Finish(0.5);
}

std::vector<float> SelectBase() {
    Track t(0.3);
    t.Tone(0, 0.3, 330, 330, 0.8, 0.12, 2);
    t.Tone(0, 0.3, 415, 415, 0.6, 0.12, 2);
    t.Tone(0.05, 0.25, 494, 494, 0.6, 0.1, 2);
    return t.Finish(0.5);
}

std::vector<float> MoveStandard() {
    Track t(0.5);
    for (int i = 0; i < 4; ++i) t.Noise(0.12 * i, 0.09, 900, 300, 1, 0.03);
    for (int i = 0; i < 4; ++i) t.Tone(0.12 * i, 0.08, 120, 80, 0.6, 0.03);
    return t.Finish(0.55);
}

std::vector<float> MoveAir() {
    Track t(0.7);
    t.Noise(0, 0.7, 400, 4000, 1, 0.5);
    t.Tone(0, 0.7, 300, 900, 0.25, 0.5, 2);
    t.Wobble(0, 0.7, 9, 0.2);
    return t.Finish(0.55);
}

std::vector<float> MoveTank() {
    Track t(0.8);
    t.Tone(0, 0.8, 55, 65, 1, 0.8, 5);
    t.Noise(0, 0.8, 250, 300, 0.8, 0.8);
    t.Wobble(0, 0.8, 14, 0.5);
    return t.Finish(0.6);
}

std::vector<float> AttackStandard() {
    Track t(0.45);
    for (int i = 0; i < 3; ++i) t.Noise(0.11 * i, 0.12, 5000, 800, 1, 0.03);
    return t.Finish(0.6);
}

std::vector<float> AttackAir() {
    Track t(0.7);
    t.Tone(0, 0.45, 2200, 600, 0.5, 0.5);
    t.Noise(0.4, 0.3, 3000, 300, 1, 0.08);
    return t.Finish(0.6);
}

std::vector<float> AttackTank() {
    Track t(0.8);
    t.Noise(0, 0.8, 1800, 120, 1, 0.18);
    t.Tone(0, 0.5, 90, 45, 0.8, 0.15);
    return t.Finish(0.65);
}

std::vector<float> AttackArtillery() {
    Track t(1.0);
    t.Noise(0, 0.12, 1200, 300, 0.6, 0.05);
    t.Tone(0.1, 0.55, 1600, 500, 0.3, 0.6);
    t.Noise(0.62, 0.38, 1500, 100, 1, 0.12);
    t.Tone(0.62, 0.35, 70, 40, 0.6, 0.12);
    return t.Finish(0.65);
}

std::vector<float> AttackBase() {
    Track t(0.5);
    t.Tone(0, 0.22, 1500, 300, 1, 0.12, 2);
    t.Tone(0.24, 0.22, 1400, 280, 0.8, 0.12, 2);
    return t.Finish(0.5);
}

std::vector<float> ExplosionUnit() {
    Track t(0.9);
    t.Noise(0, 0.9, 2500, 150, 1, 0.2);
    t.Tone(0, 0.4, 80, 40, 0.6, 0.15);
    return t.Finish(0.65);
}

std::vector<float> ExplosionBase() {
    Track t(1.5);
    t.Noise(0, 1.5, 1800, 80, 1, 0.4);
    t.Noise(0.25, 0.8, 3000, 400, 0.5, 0.15);
    t.Tone(0, 1.2, 60, 30, 0.7, 0.4);
    return t.Finish(0.7);
}

std::vector<float> ExplosionPlayer() {
    Track t(2.0);
    t.Noise(0, 1.2, 2000, 80, 1, 0.35);
    t.Tone(0, 0.9, 60, 30, 0.6, 0.3);
    const double fall[] = {523.25, 466.16, 392, 311.13};
    for (int i = 0; i < 4; ++i) t.Tone(0.5 + 0.3 * i, 0.5, fall[i], fall[i], 0.45, 0.25, 2);
    return t.Finish(0.65);
}

std::vector<float> SpecialStinger() {
    Track t(0.7);
    t.Tone(0, 0.35, 220, 240, 0.8, 0.4, 4);
    t.Wobble(0, 0.35, 40, 0.6);
    t.Tone(0.3, 0.4, 600, 1800, 0.5, 0.3);
    return t.Finish(0.55);
}

std::vector<float> SpecialFirebomb() {
    Track t(1.0);
    t.Noise(0, 0.5, 600, 2500, 0.7, 0.5);
    t.Noise(0.4, 0.6, 2000, 120, 1, 0.15);
    t.Tone(0.4, 0.4, 70, 40, 0.6, 0.12);
    return t.Finish(0.65);
}

std::vector<float> SpecialFreeAttack() {
    Track t(0.45);
    const double up[] = {587.33, 783.99, 1174.66};
    for (int i = 0; i < 3; ++i) t.Tone(0.08 * i, 0.45 - 0.08 * i, up[i], up[i], 0.6, 0.1, 2);
    return t.Finish(0.5);
}

std::vector<float> SpecialDirectHit() {
    Track t(0.7);
    t.Tone(0, 0.6, 2637, 2637, 0.5, 0.15);
    t.Tone(0, 0.6, 1318.5, 1318.5, 0.4, 0.2);
    t.Noise(0.05, 0.4, 4000, 200, 1, 0.06);
    return t.Finish(0.6);
}

}  // namespace

std::vector<Sound> MakeSounds() {
    return {
        {"Button-Click.wav", Click()},          {"Buzzer.wav", Buzzer()},
        {"Start.wav", Start()},                 {"Select-Unit.wav", SelectUnit()},
        {"Select-Base.wav", SelectBase()},      {"Move-Standard.wav", MoveStandard()},
        {"Move-Air.wav", MoveAir()},            {"Move-Tank.wav", MoveTank()},
        {"Attack-Standard.wav", AttackStandard()}, {"Attack-Air.wav", AttackAir()},
        {"Attack-Tank.wav", AttackTank()},      {"Attack-Artillery.wav", AttackArtillery()},
        {"Attack-Base.wav", AttackBase()},      {"Explosion-Unit.wav", ExplosionUnit()},
        {"Explosion-Base.wav", ExplosionBase()}, {"Explosion-Player.wav", ExplosionPlayer()},
        {"Special-Stinger.wav", SpecialStinger()}, {"Special-Firebomb.wav", SpecialFirebomb()},
        {"Special-Free-Attack.wav", SpecialFreeAttack()}, {"Special-Direct-Hit.wav", SpecialDirectHit()},
    };
}

}  // namespace assetgen
