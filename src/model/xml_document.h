#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/output_file.h"

// How reading or writing one file ended. A failure carries the message key the caller shows
// ("open error" or "save error") together with the path, and a short technical detail.
struct TFileResult {
    bool ok = true;
    std::string messageKey;
    std::string path;
    std::string detail;

    static TFileResult success() { return {}; }
    static TFileResult openError(const std::string& path, const std::string& detail);
    static TFileResult saveError(const std::string& path, const std::string& detail);

    explicit operator bool() const { return ok; }
};

// One attribute of an element, as text.
struct TXmlAttribute {
    std::string name;
    std::string value;

    bool operator==(const TXmlAttribute&) const = default;
};

// A light handle on one element of a loaded tree. It stays valid while the document that
// produced it lives and is not loaded again. A default handle stands for no element.
class TXmlElement {
  public:
    TXmlElement() = default;

    bool isNull() const { return node_ == nullptr; }
    std::string name() const;
    // Child elements in document order; text, comments and instructions are skipped.
    std::vector<TXmlElement> children() const;
    // The child elements of that name, in document order.
    std::vector<TXmlElement> children(std::string_view name) const;
    // The first child element of that name, or a null handle.
    TXmlElement child(std::string_view name) const;
    // The element's own text (its first text or CDATA part), empty when it has none.
    std::string text() const;
    // Attributes in document order, repeated names included.
    std::vector<TXmlAttribute> attributes() const;
    // The value of the named attribute, or nothing when the element lacks it. When a name is
    // repeated the last one counts, as it does for readers that walk the attributes in order.
    std::optional<std::string> attribute(std::string_view name) const;

  private:
    friend class TXmlDocument;
    explicit TXmlElement(void* node) : node_(node) {}

    void* node_ = nullptr;
};

// The parsed tree of one XML file that the readers walk. Nothing is ever written through it:
// every writer emits its text itself.
class TXmlDocument {
  public:
    TXmlDocument();
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument&) = delete;
    TXmlDocument& operator=(const TXmlDocument&) = delete;

    // Parses the whole file into a tree that replaces the previous one. A missing file or text
    // that is not well-formed fails and leaves an empty tree, before any reader has looked at it.
    TFileResult load(const std::string& path);
    // The same for text already in memory; `path` only names it in the result.
    TFileResult loadText(std::string_view text, const std::string& path = std::string());

    // The root element, or a null handle when nothing is loaded.
    TXmlElement documentElement() const;

  private:
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

// Escapes the characters that would end an attribute value or start markup, so that any text a
// user typed reads back as it was written; plain names are written unchanged.
std::string escapeXmlAttribute(std::string_view text);

// A decimal integer with an optional sign and nothing else around it; false when the text is
// not one or does not fit 32 bits (the value is then left as it was).
bool parseInt32(const std::string& text, int32_t& value);
