#include "model/xml_document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/scratch_folder.h"

namespace {

std::vector<std::string> childNames(const TXmlElement& e) {
    std::vector<std::string> names;
    for (const TXmlElement& c : e.children())
        names.push_back(c.name());
    return names;
}

}  // namespace

TEST(XmlDocument, WalksElementsAndAttributesInDocumentOrder) {
    TXmlDocument doc;
    ASSERT_TRUE(
        doc.loadText("<ROOT>\n  text\n  <!-- a comment -->\n  <B x=\"1\" a=\"2\"/>\n"
                     "  <?pi here?>\n  <A/>\n  <B/>\n</ROOT>"));
    TXmlElement root = doc.documentElement();
    ASSERT_FALSE(root.isNull());
    EXPECT_EQ(root.name(), "ROOT");
    EXPECT_EQ(childNames(root), (std::vector<std::string>{"B", "A", "B"}));
    TXmlElement b = root.children().front();
    EXPECT_EQ(b.attributes(), (std::vector<TXmlAttribute>{{"x", "1"}, {"a", "2"}}));
    EXPECT_TRUE(root.attributes().empty());
    EXPECT_TRUE(b.children().empty());
}

TEST(XmlDocument, FindsChildrenByNameAndReadsAnElementsOwnText) {
    TXmlDocument doc;
    ASSERT_TRUE(
        doc.loadText("<note><pitch><step> C </step><octave>5</octave></pitch>"
                     "<tie type=\"start\"/><!-- c --><tie type=\"stop\"/>"
                     "<text><![CDATA[a < b]]></text><empty/></note>"));
    const TXmlElement note = doc.documentElement();
    EXPECT_EQ(note.children("tie").size(), 2u);
    EXPECT_EQ(note.children("tie")[1].attribute("type"), "stop");
    EXPECT_TRUE(note.children("rest").empty());
    EXPECT_EQ(note.child("pitch").child("step").text(), " C ");
    EXPECT_EQ(note.child("pitch").child("octave").text(), "5");
    EXPECT_EQ(note.child("text").text(), "a < b");
    // an element without text, one that is missing, and the text of an element with children
    EXPECT_EQ(note.child("empty").text(), "");
    EXPECT_TRUE(note.child("chord").isNull());
    EXPECT_EQ(note.child("chord").child("x").text(), "");
    EXPECT_EQ(note.child("pitch").text(), "");
}

TEST(XmlDocument, TellsAbsentAttributesFromEmptyOnes) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.loadText("<R EMPTY=\"\" FULL=\"x\" SAME=\"1\" SAME=\"2\"/>"));
    TXmlElement root = doc.documentElement();
    EXPECT_EQ(root.attribute("EMPTY"), std::optional<std::string>(""));
    EXPECT_EQ(root.attribute("FULL"), std::optional<std::string>("x"));
    EXPECT_EQ(root.attribute("MISSING"), std::nullopt);
    EXPECT_EQ(root.attribute("full"), std::nullopt);  // names compare exactly
    // a repeated attribute: the later one counts
    EXPECT_EQ(root.attribute("SAME"), std::optional<std::string>("2"));
    EXPECT_EQ(root.attributes().size(), 4u);
}

TEST(XmlDocument, AcceptsCrLfAndEightBitText) {
    TScratchFolder dir("xml");
    const std::string path = dir.write(
        "crlf.xml", "<R>\r\n    <S NAME=\"Stre\xe9ichinstrumente &amp; more\"/>\r\n</R>\r\n");
    TXmlDocument doc;
    ASSERT_TRUE(doc.load(path));
    auto children = doc.documentElement().children();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].attribute("NAME"),
              std::optional<std::string>("Stre\xe9ichinstrumente & more"));
}

TEST(XmlDocument, FailedLoadsLeaveNoTree) {
    TScratchFolder dir("xml");
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"unclosed", "<R><A></R>"},
        {"empty", ""},
        {"only a comment", "<!-- nothing -->"},
        {"two roots", "<A/><B/>"},
        {"text at the top", "<A/>stray text"},
        {"broken attribute", "<A x=\"1/>"},
    };
    for (const auto& [what, text] : bad) {
        SCOPED_TRACE(what);
        TXmlDocument doc;
        ASSERT_TRUE(doc.loadText("<OLD/>"));
        TFileResult r = doc.loadText(text, "name.xml");
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "open error");
        EXPECT_EQ(r.path, "name.xml");
        EXPECT_TRUE(doc.documentElement().isNull());  // the previous tree is gone too
    }
    TXmlDocument doc;
    TFileResult missing = doc.load(dir.path("missing.xml"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.messageKey, "open error");
    EXPECT_EQ(missing.path, dir.path("missing.xml"));
    EXPECT_FALSE(doc.load(dir.folder()));  // a folder is not a document
}

TEST(XmlDocument, LoadReplacesThePreviousTree) {
    TXmlDocument doc;
    ASSERT_TRUE(doc.loadText("<FIRST><A/></FIRST>"));
    ASSERT_TRUE(doc.loadText("<SECOND/>"));
    EXPECT_EQ(doc.documentElement().name(), "SECOND");
    EXPECT_TRUE(doc.documentElement().children().empty());
}

TEST(XmlDocument, NullElementsAnswerNothing) {
    TXmlElement none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(none.name(), "");
    EXPECT_TRUE(none.children().empty());
    EXPECT_TRUE(none.attributes().empty());
    EXPECT_EQ(none.attribute("A"), std::nullopt);
    TXmlDocument doc;
    EXPECT_TRUE(doc.documentElement().isNull());
}

TEST(XmlText, EscapesOnlyWhatWouldBreakTheMarkup) {
    EXPECT_EQ(escapeXmlAttribute("Default"), "Default");
    EXPECT_EQ(escapeXmlAttribute("a\"b<c>&d"), "a&quot;b&lt;c&gt;&amp;d");
    EXPECT_EQ(escapeXmlAttribute("\xe9t\xe9"), "\xe9t\xe9");
    // what is escaped reads back as written
    const std::string tricky = "Set \"1\" <&> \ttab\nline";
    TXmlDocument doc;
    ASSERT_TRUE(doc.loadText("<R N=\"" + escapeXmlAttribute(tricky) + "\"/>"));
    EXPECT_EQ(doc.documentElement().attribute("N"), std::optional<std::string>(tricky));
}

TEST(XmlText, ParsesDecimalIntegers) {
    struct TCase {
        const char* text;
        bool ok;
        int32_t value;
    };
    const TCase cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-7", true, -7},
        {"+5", true, 5},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"", false, 0},
        {"x", false, 0},
        {"12x", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"+-1", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"0x10", false, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t v = 99;
        EXPECT_EQ(parseInt32(c.text, v), c.ok);
        EXPECT_EQ(v, c.ok ? c.value : 99);
    }
}
