// Feeds any bytes to the settings file reader and writer. Beyond surviving,
// the file the writer makes must read back to the same values: writing it a
// second time changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "persist/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tovk::GameState s;
  tovk::ReadSettingsText(s, text);
  const std::string written = tovk::SettingsFileText(s, text);

  tovk::GameState back;
  tovk::ReadSettingsText(back, written);
  if (tovk::SettingsFileText(back, written) != written) std::abort();
  return 0;
}
