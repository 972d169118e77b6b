#pragma once
// Saved games as JSON, the shape `kvtool show` prints and `kvtool write`
// reads. Strings are the game's bytes read as Latin-1.
#include <nlohmann/json.hpp>
#include <string>

#include "save/saved_game.h"

// Whether the players' "password" members are printed or left out.
enum class PasswordsInJson { kShown, kLeftOut };
nlohmann::json SavedGameToJson(const LoadedGame& game, PasswordsInJson passwords);

// Fills `game` (state, mapSeed, mapSize) from JSON; the "key" member is
// ignored. False with a message when a member is missing, of the wrong kind
// or out of range.
bool JsonToSavedGame(const nlohmann::json& json, LoadedGame& game, std::string& problem);

std::string Latin1ToUtf8(const std::string& bytes);
// False when the text holds a character beyond Latin-1.
bool Utf8ToLatin1(const std::string& text, std::string& bytes);
