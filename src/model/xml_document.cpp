#include "model/xml_document.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>

TFileResult TFileResult::openError(const std::string& path, const std::string& detail) {
    return {false, "open error", path, detail};
}

TFileResult TFileResult::saveError(const std::string& path, const std::string& detail) {
    return {false, "save error", path, detail};
}

namespace {

pugi::xml_node nodeOf(void* p) {
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(p));
}

// pugixml is lenient about the top level; a document must hold exactly one element there and
// nothing but markup around it.
std::string topLevelProblem(const pugi::xml_document& doc) {
    int elements = 0;
    for (pugi::xml_node n : doc.children()) {
        switch (n.type()) {
            case pugi::node_element:
                ++elements;
                break;
            case pugi::node_pcdata:
            case pugi::node_cdata:
                return "text outside the document element";
            default:
                break;
        }
    }
    if (elements == 0)
        return "no document element";
    if (elements > 1)
        return "more than one document element";
    return {};
}

// Plain parsing: no entity definitions are expanded, comments and instructions are dropped,
// CR LF line breaks read as LF. The top level is parsed as a fragment so that stray text there
// stays visible to the check above instead of being dropped silently.
constexpr unsigned PARSE_OPTIONS = pugi::parse_default | pugi::parse_fragment;

}  // namespace

std::string TXmlElement::name() const {
    return isNull() ? std::string() : std::string(nodeOf(node_).name());
}

std::vector<TXmlElement> TXmlElement::children() const {
    std::vector<TXmlElement> result;
    if (isNull())
        return result;
    for (pugi::xml_node n : nodeOf(node_).children()) {
        if (n.type() == pugi::node_element)
            result.push_back(TXmlElement(n.internal_object()));
    }
    return result;
}

std::vector<TXmlElement> TXmlElement::children(std::string_view name) const {
    std::vector<TXmlElement> result;
    if (isNull())
        return result;
    for (pugi::xml_node n : nodeOf(node_).children()) {
        if (n.type() == pugi::node_element && name == n.name())
            result.push_back(TXmlElement(n.internal_object()));
    }
    return result;
}

TXmlElement TXmlElement::child(std::string_view name) const {
    if (isNull())
        return TXmlElement();
    for (pugi::xml_node n : nodeOf(node_).children()) {
        if (n.type() == pugi::node_element && name == n.name())
            return TXmlElement(n.internal_object());
    }
    return TXmlElement();
}

std::string TXmlElement::text() const {
    return isNull() ? std::string() : std::string(nodeOf(node_).child_value());
}

std::vector<TXmlAttribute> TXmlElement::attributes() const {
    std::vector<TXmlAttribute> result;
    if (isNull())
        return result;
    for (pugi::xml_attribute a : nodeOf(node_).attributes())
        result.push_back({a.name(), a.value()});
    return result;
}

std::optional<std::string> TXmlElement::attribute(std::string_view name) const {
    std::optional<std::string> found;
    if (isNull())
        return found;
    for (pugi::xml_attribute a : nodeOf(node_).attributes()) {
        if (name == a.name())
            found = a.value();
    }
    return found;
}

struct TXmlDocument::TImpl {
    pugi::xml_document doc;
};

TXmlDocument::TXmlDocument() : impl_(std::make_unique<TImpl>()) {}

TXmlDocument::~TXmlDocument() = default;

namespace {

// Keeps a parsed tree only when it is one well-formed document; anything else leaves nothing.
TFileResult checkParsed(pugi::xml_document& doc, const pugi::xml_parse_result& parsed,
                        const std::string& path) {
    if (!parsed) {
        doc.reset();
        return TFileResult::openError(path, std::string(parsed.description()) + " at offset " +
                                                std::to_string(parsed.offset));
    }
    const std::string problem = topLevelProblem(doc);
    if (!problem.empty()) {
        doc.reset();
        return TFileResult::openError(path, problem);
    }
    return TFileResult::success();
}

}  // namespace

TFileResult TXmlDocument::load(const std::string& path) {
    impl_->doc.reset();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return TFileResult::openError(path, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return TFileResult::openError(path, "not a regular file");
    return checkParsed(impl_->doc, impl_->doc.load_file(path.c_str(), PARSE_OPTIONS), path);
}

TFileResult TXmlDocument::loadText(std::string_view text, const std::string& path) {
    impl_->doc.reset();
    return checkParsed(impl_->doc, impl_->doc.load_buffer(text.data(), text.size(), PARSE_OPTIONS),
                       path);
}

TXmlElement TXmlDocument::documentElement() const {
    pugi::xml_node root = impl_->doc.document_element();
    return root ? TXmlElement(root.internal_object()) : TXmlElement();
}

std::string escapeXmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            // line breaks and tabs would read back as blanks
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool parseInt32(const std::string& text, int32_t& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first == last || *first == '-')
            return false;
    }
    if (first == last)
        return false;
    int32_t v = 0;
    auto [p, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || p != last)
        return false;
    value = v;
    return true;
}
