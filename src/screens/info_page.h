#pragma once
// The two reference pages over "Images\Info.bmp": lines of small text from
// the top left and one RETURN button. Any key or RETURN leaves the page.
#include <functional>
#include <string>
#include <vector>

// The pages' rule: 120 minus signs.
std::string PageRule();

// Runs a page whose text `drawText` draws each frame: GoTo(kMainMenuScreen)
// when the player leaves, kFatal when a picture cannot be loaded or the
// display cannot be brought back.
int RunInfoPage(const std::function<void()>& drawText);

// Draws lines in the small font at x 30, from y 30, 20 pixels apart.
void DrawPageLines(const std::vector<std::string>& lines);

// The help page's 33 lines and the details page's upper block of 20 lines
// and table rows, built from the game as the page opens.
std::vector<std::string> HelpLines();
std::vector<std::string> DetailsLines();
