// A session on the terminal screen for tests: input lines come from a string,
// printed lines are collected, draws are scripted.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/session.h"
#include "support/scripted_random.h"
#include "term/line_input.h"
#include "term/term_screen.h"

namespace tovk::term {

class TermFixture : public ::testing::Test {
 protected:
  TermFixture() { screen.Attach(session); }

  // What the player types next, one answer a line.
  void Type(const std::string& lines) {
    input.str(lines);
    input.clear();
  }

  // The lines printed since the last call.
  std::vector<std::string> Printed() {
    std::vector<std::string> lines;
    std::istringstream text(output.str());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    output.str("");
    return lines;
  }

  std::istringstream input;
  LineInput lines{input};
  std::ostringstream output;
  TermScreen screen{output, lines};
  tovk::testing::ScriptedRandom random;
  Session session{screen, random, SessionSetup{}};
  Game& g = session.game();
};

using Lines = std::vector<std::string>;

}  // namespace tovk::term
