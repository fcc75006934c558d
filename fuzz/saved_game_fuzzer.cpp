// Feeds any bytes to the saved-game reader, with a pool whose size the first
// byte chooses: it must end without a crash, and what it read must write
// out again.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "persist/saved_game.h"
#include "world/null_screen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tovk::NullScreen screen;
  tovk::FirstDraw random;
  tovk::Game g{screen, random};
  g.StationMax = size == 0 ? 0 : (data[0] % 8 == 0 ? tovk::kPoolCapacity - 1 : data[0] % 8);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  tovk::ReadSavedGameFrom(g, in);
  std::ostringstream out;
  tovk::WriteSavedGameTo(g, out);
  return 0;
}
