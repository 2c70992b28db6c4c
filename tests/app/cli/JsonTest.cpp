// The JSON writer: nesting, separators and numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "app/cli/Json.h"

namespace kmr::cli {
namespace {

TEST(Json, NestsAndSeparates) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.BeginObject(true);
    json.Key("x");
    json.Integer(-1);
    json.Key("y");
    json.String("é");
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.EndArray();
    json.Key("b");
    json.BeginObject();
    json.EndObject();
    json.EndObject();
    EXPECT_EQ(out.str(),
              "{\n  \"a\": [\n    {\"x\": -1, \"y\": \"é\"},\n    []\n  ],\n  \"b\": {}\n}\n");
}

TEST(Json, NumbersAreShortestRoundTripAndNullWhenNotFinite) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {1e21, "1e+21"},
        {6.0, "6"},
        {1.0 / 3, "0.3333333333333333"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& [value, text] : cases) {
        std::ostringstream out;
        JsonWriter json(out);
        json.BeginArray();
        json.Number(value);
        json.EndArray();
        EXPECT_EQ(out.str(), std::string("[\n  ") + text + "\n]\n");
    }
}

TEST(Json, StringEscapes) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\"b\\", "\"a\\\"b\\\\\""},
        {"\r\n\t", "\"\\r\\n\\t\""},
        {"a\x01\x1f", "\"a\\u0001\\u001f\""},
        {"部材", "\"部材\""},
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(JsonQuoted(text), json) << text;
}

TEST(Json, OneLineLayout) {
    std::ostringstream out;
    JsonWriter json(out, JsonLayout::OneLine);
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.Number(1.5);
    json.BeginObject();
    json.Key("b");
    json.String("c");
    json.EndObject();
    json.EndArray();
    json.Key("d");
    json.Integer(2);
    json.EndObject();
    EXPECT_EQ(out.str(), "{\"a\":[1.5,{\"b\":\"c\"}],\"d\":2}\n");
}

}  // namespace
}  // namespace kmr::cli
