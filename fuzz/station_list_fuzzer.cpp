// Feeds any bytes to the station list reader: it must end without a crash,
// with the pool inside its bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "world/null_screen.h"
#include "world/station_pool.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tovk::NullScreen screen;
  tovk::FirstDraw random;
  tovk::Game g{screen, random};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  tovk::LoadStationPool(g, in);
  if (g.StationMax < 0 || g.StationMax >= tovk::kPoolCapacity) std::abort();
  return 0;
}
