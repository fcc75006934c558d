// The JSON the page is told: texts quoted so that any byte the game holds
// arrives intact, and the tables whole.
#include "page_text.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "world/null_screen.h"

namespace tovk::web {
namespace {

TEST(PageTextTest, quotesEscapeQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonQuote("K1ABC"), "\"K1ABC\"");
  EXPECT_EQ(JsonQuote("say \"QRZ\" \\ now"), "\"say \\\"QRZ\\\" \\\\ now\"");
  EXPECT_EQ(JsonQuote("a\n\rb\t\x01"), "\"a\\u000a\\u000db\\u0009\\u0001\"");
  EXPECT_EQ(JsonQuote(""), "\"\"");
}

TEST(PageTextTest, tablesNameEveryCommandKeyAndSection) {
  NullScreen screen;
  FirstDraw random;
  const Game game(screen, random);
  const std::string tables = TablesJson(game);
  for (const CommandRow& row : CommandRows())
    EXPECT_NE(tables.find(JsonQuote(row.name)), std::string::npos) << row.name;
  for (const KeyRow& key : KeyRows())
    EXPECT_NE(tables.find(JsonQuote(key.keyText)), std::string::npos) << key.keyText;
  EXPECT_NE(tables.find("\"sections\":[\"CT\",\"EMA\""), std::string::npos);
  EXPECT_NE(tables.find("\"menus\":{\"bar\":[{\"separator\":false,\"caption\":\"Exit\""),
            std::string::npos);
}

}  // namespace
}  // namespace tovk::web
