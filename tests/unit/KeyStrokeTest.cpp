#include "platform/KeyStroke.h"

#include <gtest/gtest.h>

namespace zorvel {
namespace {

TEST(KeyStrokeTest, OnlyCharactersTypedWithoutAltAreKeptFromTheAccessKeys) {
    struct Case {
        KeyStroke key;
        bool accessKey;
        const char* what;
    };
    for (const Case& c :
         {Case{{true, false}, false, "plain letter"}, Case{{true, true}, true, "Alt+letter"},
          Case{{false, false}, true, "Tab, Esc or Enter going down"},
          Case{{false, true}, true, "a key going down with Alt"}}) {
        EXPECT_EQ(mayActAsAccessKey(c.key), c.accessKey) << c.what;
    }
}

}  // namespace
}  // namespace zorvel
