// The settings file: the player's station, the options, the section-map
// colours, the saved-game name and the main window's look, in INI format.
// Read once at start, written once at quit.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "world/game_state.h"

namespace tovk {

// Reads the settings file over the values in force; a missing file or key
// leaves them as they are.
void ReadSettings(GameState& s, const std::filesystem::path& file);
// The same from the file's text.
void ReadSettingsText(GameState& s, std::string_view text);

// Writes every key in its section, keeping the rest of an existing file.
// Writes a temporary file beside the target and renames it; false when the
// file could not be written (the old file is then left as it was).
bool WriteSettings(const GameState& s, const std::filesystem::path& file);
// The text WriteSettings puts in the file: `existing` (the file's present
// text, empty for a new file) with every key set to the value in force.
std::string SettingsFileText(const GameState& s, std::string_view existing);

// Colour text of the section-map colours: an identifier ("clYellow") or "$"
// and eight upper-case hexadecimal digits.
std::string ColourToText(Colour colour);
// An identifier, a decimal number or "$" and hexadecimal digits.
std::optional<Colour> TextToColour(std::string_view text);

}  // namespace tovk
