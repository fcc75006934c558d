// A session started as the front-ends start one, in a folder of its own with
// a three-station list, on the recording screen and scripted draws.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/session.h"
#include "persist/temp_folder.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk::testing {

class SessionFixture : public ::testing::Test {
 protected:
  explicit SessionFixture(const std::string& stationList) {
    WriteBytes(folder / "TOVK.SS", stationList);
    random.fallback = 1;  // no mishap in the engine step
  }

  SessionSetup Setup() const {
    SessionSetup setup;
    setup.folder = folder.path();
    setup.settingsFile = folder / "tovk.ini";
    setup.recoveryFile = folder / "tovk-recovery.sav";
    setup.now = [] { return std::string("2026-12-10T10:00:00"); };
    return setup;
  }

  // A program start as the front-ends make it.
  std::unique_ptr<Session> Started() { return Started(Setup()); }
  std::unique_ptr<Session> Started(const SessionSetup& setup) {
    auto session = std::make_unique<Session>(screen, random, setup);
    session->Start();
    session->Shown();
    session->OfferRecovery();
    return session;
  }

  TempFolder folder;
  RecordingScreen screen;
  ScriptedRandom random;
};

}  // namespace tovk::testing
