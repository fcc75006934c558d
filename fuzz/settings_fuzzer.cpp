// Feeds any bytes to the settings file reader and writer. Beyond surviving,
// the writer's file must be settled: once the values have been through the
// file (which trims blanks around a value, as any INI reader does), reading
// and writing it again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "persist/settings_file.h"

namespace {
// Reads the text and writes the values over it.
std::string ReadAndWrite(std::string_view text) {
  tovk::GameState s;
  tovk::ReadSettingsText(s, text);
  return tovk::SettingsFileText(s, text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string once = ReadAndWrite({reinterpret_cast<const char*>(data), size});
  const std::string twice = ReadAndWrite(once);
  if (ReadAndWrite(twice) != twice) std::abort();
  return 0;
}
