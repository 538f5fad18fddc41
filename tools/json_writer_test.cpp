#include "tools/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace scenario::tools {
namespace {

TEST(JsonWriter, PutsCommasAndEscapes) {
  std::ostringstream out;
  JsonWriter json(out);
  json.begin_object();
  json.member("a", 1);
  json.member("text", "virgolette \" barra \\ a capo \n tab \t ctrl \x01 à");
  json.key("list");
  json.begin_array();
  json.number(std::int64_t{-2});
  json.begin_object();
  json.end_object();
  json.begin_array();
  json.end_array();
  json.null();
  json.boolean(true);
  json.end_array();
  json.member("none", std::optional<int>{});
  json.member("some", std::optional<std::string>{"x"});
  json.end_object();
  EXPECT_EQ(out.str(),
            "{\"a\":1,\"text\":\"virgolette \\\" barra \\\\ a capo \\n tab \\t ctrl \\u0001 à\","
            "\"list\":[-2,{},[],null,true],\"none\":null,\"some\":\"x\"}");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNonFiniteOnesAreNull) {
  std::ostringstream out;
  JsonWriter json(out);
  json.begin_array();
  for (double value :
       {0.1 + 0.2, 2.0, -0.0, 1e300, 34234.36906945753, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity()})
    json.number(value);
  json.end_array();
  EXPECT_EQ(out.str(), "[0.30000000000000004,2,-0,1e+300,34234.36906945753,null,null]");
}

}  // namespace
}  // namespace scenario::tools
