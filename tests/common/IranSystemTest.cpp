#include "IranSystem.h"

#include <gtest/gtest.h>

using tarvand::IranSystem;

// Expected bytes are read off the code page by hand: each letter's form from its neighbours, then
// the whole word from its left end (the last letter written) to its right end.
TEST(IranSystemTest, TextComesOutInVisualOrderWithEachLettersForm) {
    const std::pair<const char*, QByteArray> texts[] = {
        // س initial, ل medial, ا final, م isolated: alef never joins the letter after it.
        {"سلام", "\xF4\x91\xF3\xA8"},
        {"علی", "\xFC\xF3\xE4"},      // ع initial, ل medial, ی final
        {"بهار", "\xA4\x91\xFA\x93"}, // ب initial, ه medial, ا final, ر isolated
        {"خانه", "\xF9\xF7\x91\xA1"}, // خ initial, ا final, ن initial, ه final
        {"ربع", "\xE2\x93\xA4"},      // ع final after ب ...
        {"بعد", "\xA2\xE3\x93"},      // ... medial ...
        {"رع", "\xE1\xA4"},           // ... isolated after ر, which never joins forwards
        // Arabic and Persian shapes of kaf and yeh give the same bytes.
        {"كد", "\xA2\xEE"},
        {"کد", "\xA2\xEE"},
        {"علي", "\xFC\xF3\xE4"},
        {"ی", "\xFD"},      // a lone yeh is isolated ...
        {"یک", "\xED\xFE"}, // ... one starting a word initial
        // Numbers, dates and ranges keep their own order; runs apart keep their places.
        {"کد 12", "12 \xA2\xEE"},
        {"تاريخ 1403/09/14", "1403/09/14 \xA0\xFE\xA4\x91\x97"},
        {"5-3", "5-3"},
        {"12 و 34", "34 \xF8 12"},
        // The non-joiner writes nothing and breaks the join; brackets are mirrored.
        {"می\u200Cشود", "\xA2\xF8\xAA\xFC\xF5"},
        {"(علی)", "(\xFC\xF3\xE4)"},
        // A letter beside "?" or a digit takes the form it has at a word's end or start.
        {"بب?", "?\x92\x93"},
        {"ب2ب", "\x92"
                "2\x92"},
        {"،؟", "\x8C\x8A"},
        {"بَب", "\x92\x93"}, // vowel marks vanish without breaking the join
        {"AB", "BA"},
        {"€", "?"},
        {"", ""},
    };
    for (const auto& [text, bytes] : texts)
        EXPECT_EQ(IranSystem::Encode(QString::fromUtf8(text)), bytes) << text;
}
