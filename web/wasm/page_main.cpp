// The game in the browser: where the page's program is assembled, and the
// calls the page's script makes into it. The script makes one call at a
// time and waits for it: a call that opens a box returns only when the
// player has answered.
//   tovk_create(folder, stationList)  the session over the page, its files
//                                     in `folder` (the browser's storage)
//   tovk_tables()                     the controls to build, as JSON
//   tovk_start(seed)                  start-up and the first display
//   tovk_offer_recovery()             once the page is on the screen
//   tovk_run, tovk_press_key, tovk_tick, tovk_notebook_page: the player
#include <emscripten/emscripten.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/session.h"
#include "page_front_end.h"
#include "page_text.h"
#include "persist/file_places.h"
#include "world/random.h"

namespace {

struct PageGame {
  explicit PageGame(tovk::SessionSetup setup) : session(frontEnd, random, std::move(setup)) {
    frontEnd.Attach(session);
  }
  tovk::web::PageFrontEnd frontEnd;
  tovk::SeededRandom random;
  tovk::Session session;
};

// The one game of the page, made by tovk_create.
std::unique_ptr<PageGame> page;
// The last text handed to the script; it reads it before the next call.
std::string answer;

std::optional<std::uint64_t> SeedOf(std::string_view text) {
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return seed;
}

// The places of the portable layout in `folder`: nothing there is an
// installed tree, and the browser's storage is always writable.
tovk::SessionSetup SetupIn(const std::filesystem::path& folder,
                           const std::filesystem::path& stationList) {
  const tovk::FilePlaces places = tovk::FindFilePlaces(
      folder, [](const std::string&) { return std::nullopt; },
      [](const std::filesystem::path&) { return true; });
  tovk::SessionSetup setup = tovk::SetupFor(places);
  // A tab closes without the quit flow: settings are kept as they change.
  setup.writeSettingsOnChange = true;
  // The player's own station list, kept in the storage, else the page's.
  std::error_code error;
  if (!std::filesystem::is_regular_file(places.stationList, error)) setup.stationList = stationList;
  return setup;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tovk_create(const char* folder, const char* stationList) {
  page.reset();
  page = std::make_unique<PageGame>(SetupIn(folder, stationList));
}

EMSCRIPTEN_KEEPALIVE const char* tovk_tables() {
  answer = page ? tovk::web::TablesJson(page->session.game()) : std::string("{}");
  return answer.c_str();
}

// `seed`: a whole number for a repeatable game; anything else seeds from
// the clock, as on the desktop.
EMSCRIPTEN_KEEPALIVE void tovk_start(const char* seed) {
  if (!page) return;
  tovk::Session& session = page->session;
  session.game().ShowNotebookPage(tovk::NotebookPage::Qso);
  session.Start();
  page->frontEnd.ShowLook(session.game().Look);
  page->random.Seed(SeedOf(seed).value_or(tovk::ClockSeed()));
  session.Shown();
}

EMSCRIPTEN_KEEPALIVE void tovk_offer_recovery() {
  if (page) page->session.OfferRecovery();
}

// A command from a control: `field` and `text` for a typed field or a band.
// 1 when it ran.
EMSCRIPTEN_KEEPALIVE int tovk_run(int command, int field, const char* text) {
  if (!page || command < 0 || command >= static_cast<int>(tovk::CommandRows().size())) return 0;
  if (field < 0 || field >= tovk::kFieldCount) return 0;
  tovk::CommandInput input;
  input.field = static_cast<tovk::Field>(field);
  input.text = text;
  return page->session.Run(static_cast<tovk::Command>(command), input) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int tovk_press_key(int key, int letter, int shift, int control, int alt) {
  if (!page || key < 0 || key > static_cast<int>(tovk::Key::Letter)) return 0;
  tovk::KeyChord chord;
  chord.key = static_cast<tovk::Key>(key);
  chord.letter = static_cast<char>(letter);
  chord.shift = shift != 0;
  chord.control = control != 0;
  chord.alt = alt != 0;
  return page->session.PressKey(chord) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void tovk_tick() {
  if (page) page->session.Tick();
}

// The player chose the "QSO" (0) or "Log" (1) page of the notebook.
EMSCRIPTEN_KEEPALIVE void tovk_notebook_page(int chosen) {
  if (!page || (chosen != 0 && chosen != 1)) return;
  page->session.game().notebookPage = static_cast<tovk::NotebookPage>(chosen);
}

// 1 once the quit flow has ended the game.
EMSCRIPTEN_KEEPALIVE int tovk_ended() {
  return page && page->session.Ended() ? 1 : 0;
}

}  // extern "C"
