#pragma once
// The saved games as the menus see them: the files in "Saved Games" and the
// short label a game's file name is shown with.
#include <string>
#include <vector>

// The names of the saved-game files, upper-cased (letters a to z only), in
// name order so that a list does not jump about between visits.
std::vector<std::string> ListSavedGames();
int CountSavedGames();

// A file name without its last four characters (the ".KV1"); a name of four
// characters or fewer is shown whole.
std::string GameLabel(const std::string& fileName);

// Upper-cases the letters a to z only, as the game's file names are shown.
std::string UpperCaseName(std::string name);
