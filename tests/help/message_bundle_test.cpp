#include "help/message_bundle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Opens the filling operations that only subclasses may use.
class TTestBundle : public TMessageBundle {
  public:
    using TMessageBundle::addGroup;
    using TMessageBundle::addText;
};

TEST(MessageBundleTest, TextLookupAndUniqueInsertion) {
    TTestBundle bundle;
    EXPECT_EQ(bundle.text("anything"), "");
    EXPECT_TRUE(bundle.textKeys().empty());

    bundle.addText("error", "Error");
    bundle.addText("error", "Second");
    bundle.addText("err", "Prefix");
    bundle.addText("", "Empty key");

    SCOPED_TRACE("first text of a key stays");
    EXPECT_EQ(bundle.text("error"), "Error");
    EXPECT_EQ(bundle.text("err"), "Prefix");
    EXPECT_EQ(bundle.text(""), "Empty key");
    EXPECT_EQ(bundle.text("Error"), "");
    EXPECT_EQ(bundle.text("error "), "");
    EXPECT_TRUE(bundle.hasText("error"));
    EXPECT_FALSE(bundle.hasText("ERROR"));

    // byte order: a prefix sorts before the longer key, upper case before lower case
    bundle.addText("Zeta", "z");
    EXPECT_EQ(bundle.textKeys(), (std::vector<std::string>{"", "Zeta", "err", "error"}));
}

TEST(MessageBundleTest, TextIsACopy) {
    TTestBundle bundle;
    bundle.addText("key", "value");
    std::string copy = bundle.text("key");
    copy += " changed";
    EXPECT_EQ(bundle.text("key"), "value");
}

TEST(MessageBundleTest, GroupsKeepTheirFirstList) {
    TTestBundle bundle;
    EXPECT_TRUE(bundle.group("missing").empty());

    const char* const first[] = {"one", "two", "three"};
    const char* const second[] = {"other"};
    bundle.addGroup(first, 2, "numbers");
    bundle.addGroup(second, 1, "numbers");
    EXPECT_EQ(bundle.group("numbers"), (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(bundle.hasGroup("numbers"));
    EXPECT_FALSE(bundle.hasText("numbers"));

    std::vector<std::string> copy = bundle.group("numbers");
    copy.clear();
    EXPECT_EQ(bundle.group("numbers").size(), 2u);

    SCOPED_TRACE("degenerate arrays store an empty list");
    bundle.addGroup(first, 0, "none");
    bundle.addGroup(first, -3, "negative");
    bundle.addGroup(nullptr, 5, "null");
    const char* const holed[] = {"a", nullptr, "c"};
    bundle.addGroup(holed, 3, "holed");
    EXPECT_TRUE(bundle.hasGroup("none"));
    EXPECT_TRUE(bundle.group("none").empty());
    EXPECT_TRUE(bundle.group("negative").empty());
    EXPECT_TRUE(bundle.group("null").empty());
    EXPECT_EQ(bundle.group("holed"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(bundle.groupKeys(),
              (std::vector<std::string>{"holed", "negative", "none", "null", "numbers"}));
}

}  // namespace
