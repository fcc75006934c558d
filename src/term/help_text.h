// What `tovk-term --help` prints: the options, then every command the
// terminal reads, the buttons' words taken from the one command table with
// their hints, so the list can never fall behind the buttons.
#pragma once

#include <string>

namespace tovk::term {

std::string HelpText();

}  // namespace tovk::term
