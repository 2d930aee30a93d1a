// The streaming JSON writer against the JSON library's dump(2) with invalid
// UTF-8 replaced, the layout the exports have always had: escaping (named
// cases, then every short byte sequence around the UTF-8 boundaries),
// numbers at their limits, nesting and empty containers.
#include "exports/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <sstream>

using vantor::JsonWriter;
using Json = nlohmann::ordered_json;

namespace {

std::string Dumped(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string Written(std::string_view text) {
    std::ostringstream out;
    JsonWriter(out).Value(text);
    return out.str();
}

} // namespace

TEST(JsonWriter, EscapesAndReplacesAsTheLibraryDoes) {
    static const struct {
        std::string_view Text, Expected;
    } Cases[] = {
        {"", R"("")"},
        {"quote \" backslash \\ slash /", R"("quote \" backslash \\ slash /")"},
        {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
        {std::string_view("\x00\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001f\x7f\""},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        {"\xFF", "\"\xEF\xBF\xBD\""},                             // no character starts so
        {"\x80\xBF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},             // one for each stray byte
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},             // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // surrogate
        {"\xE2\x82(", "\"\xEF\xBF\xBD(\""},  // the breaking byte is read again
        {"a\xF0\x9F\x98", "\"a\xEF\xBF\xBD\""}, // cut off by the end: one
    };
    for (const auto& c : Cases) {
        EXPECT_EQ(Written(c.Text), std::string(c.Expected) + "\n") << c.Text;
        EXPECT_EQ(Written(c.Text), Dumped(std::string(c.Text))) << c.Text;
    }
}

TEST(JsonWriter, EveryShortByteSequenceMatchesTheLibrary) {
    // Every string of one and two bytes, and of three and four bytes drawn
    // from the bytes where UTF-8's rules change.
    static const unsigned char Boundaries[] = {0x00, 0x1F, 0x22, 0x41, 0x5C, 0x7F, 0x80,
                                               0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1,
                                               0xC2, 0xDF, 0xE0, 0xE1, 0xED, 0xEE, 0xEF,
                                               0xF0, 0xF1, 0xF4, 0xF5, 0xFF};
    std::size_t mismatches = 0;
    const auto check = [&](const std::string& text) {
        if (Written(text) != Dumped(text) && ++mismatches <= 5)
            ADD_FAILURE() << "bytes " << ::testing::PrintToString(text);
    };
    for (int a = 0; a < 256; ++a) {
        check(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b)
            check({static_cast<char>(a), static_cast<char>(b)});
    }
    for (const unsigned char a : Boundaries)
        for (const unsigned char b : Boundaries)
            for (const unsigned char c : Boundaries) {
                const std::string three{static_cast<char>(a), static_cast<char>(b),
                                        static_cast<char>(c)};
                check(three);
                for (const unsigned char d : Boundaries)
                    check(three + static_cast<char>(d));
            }
    EXPECT_EQ(mismatches, 0u);
}

TEST(JsonWriter, NestingAndEmptyContainersAsTheLibraryLaysThemOut) {
    std::ostringstream out;
    {
        JsonWriter json(out);
        const auto document = json.Object();
        json.Member("name", "a\tb");
        json.Member("min", std::numeric_limits<std::int64_t>::min());
        json.Member("max", std::numeric_limits<std::uint64_t>::max());
        json.Member("byte", std::uint8_t{200});
        json.Member("flag", true);
        json.Member("none", std::optional<int>());
        json.Member("some", std::optional<std::int16_t>(-7));
        { const auto empty = json.Object("empty_object"); }
        { const auto empty = json.Array("empty_array"); }
        const auto list = json.Array("list");
        json.Value(false);
        json.Value(nullptr);
        { const auto empty = json.Array(); }
        {
            const auto inner = json.Object();
            const auto deeper = json.Array("deeper");
            const auto innermost = json.Object();
            json.Member("x", -1);
        }
        { const auto empty = json.Object(); }
    }
    Json expected = Json::object();
    expected["name"] = "a\tb";
    expected["min"] = std::numeric_limits<std::int64_t>::min();
    expected["max"] = std::numeric_limits<std::uint64_t>::max();
    expected["byte"] = std::uint8_t{200};
    expected["flag"] = true;
    expected["none"] = nullptr;
    expected["some"] = -7;
    expected["empty_object"] = Json::object();
    expected["empty_array"] = Json::array();
    Json inner = Json::object();
    inner["deeper"] = Json::array({Json::object({{"x", -1}})});
    expected["list"] = Json::array({false, nullptr, Json::array(), inner, Json::object()});
    EXPECT_EQ(out.str(), Dumped(expected));

    // A document that is not an object ends with its line break too.
    const auto written = [](const auto& write) {
        std::ostringstream one;
        JsonWriter json(one);
        write(json);
        return one.str();
    };
    EXPECT_EQ(written([](JsonWriter& json) { json.Value(42); }), Dumped(42));
    EXPECT_EQ(written([](JsonWriter& json) { json.Value("x"); }), Dumped("x"));
    EXPECT_EQ(written([](JsonWriter& json) { const auto a = json.Array(); }), Dumped(Json::array()));
    EXPECT_EQ(written([](JsonWriter& json) {
                  const auto a = json.Array();
                  json.Value(1);
                  json.Value(2);
              }),
              Dumped({1, 2}));
}
