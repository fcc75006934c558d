// A game ready for a contact, for the tests of calling, tuning, sending and
// logging: a small pool, the station in hand set up by hand, and a random
// source whose engine-step mishap roll never comes up, so a test scripts
// only the draws of the action it looks at.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/actions.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk::testing {

class EngineRandom : public ScriptedRandom {
 public:
  int Draw(int n) override {
    if (n == 1200) {  // the engine step's mishap roll: always "no mishap"
      ++engineSteps;
      return 0;
    }
    return ScriptedRandom::Draw(n);
  }
  int engineSteps = 0;
};

struct PoolStation {
  std::string call;
  int section;
};

class ContactTest : public ::testing::Test {
 protected:
  RecordingScreen screen;
  EngineRandom random;
  Game g{screen, random};

  ContactTest() {
    g.Mynumber = 1;
    g.Band = "20";
    g.bandBox = "20";
    g.PowerFactor = 40;
    g.Operating = true;
    g.CQText = "Tovk de Q1AAA SS";
    for (int i = 0; i < kPoolSize; ++i) g.StationSection[i] = kNoSection;
    for (int i = 0; i < kPoolSize; ++i) g.StationBand[i] = "99";
  }

  void Pool(const std::vector<PoolStation>& stations) {
    for (std::size_t i = 0; i < stations.size(); ++i) {
      g.StationCall[i] = stations[i].call;
      g.StationSection[i] = stations[i].section;
    }
    g.StationMax = static_cast<int>(stations.size()) - 1;
  }

  // The station at `index` is in hand with the exchange it would send.
  void InHand(int index, std::string number, std::string prec, std::string check,
              std::string section) {
    g.StationIndex = index;
    g.Hiscall = g.StationCall[index].str();
    g.Hisnumber = std::move(number);
    g.Hisprec = std::move(prec);
    g.Hischeck = std::move(check);
    g.Hissection = std::move(section);
  }

  void Script(std::initializer_list<int> draws) { random.Add(draws); }

  const std::vector<std::string>& Incoming() const { return g.Lines(MemoId::Incoming); }
  const std::vector<std::string>& Outgoing() const { return g.Lines(MemoId::Outgoing); }
  const std::vector<std::string>& Logbook() const { return g.Lines(MemoId::Log); }
  std::string LastIncoming() const { return Incoming().empty() ? "" : Incoming().back(); }
  std::string LastOutgoing() const { return Outgoing().empty() ? "" : Outgoing().back(); }
  std::string FieldText(Field field) const { return g.fieldText[static_cast<int>(field)]; }
  int ClockSeconds() const { return ((g.Day * 24 + g.Hour) * 60 + g.Minute) * 60 + g.Second; }
  bool AllScriptUsed() const { return random.script.empty(); }
};

}  // namespace tovk::testing
