#include "model/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/output_file.h"
#include "model/text_line.h"
#include "model/xml_document.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* HEADER = "# Motivica: the documents opened or saved last, newest first\n";

// The same document reached by another spelling of its path is the same entry.
std::string absolutePath(const std::string& document) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(document, ec), ec);
    if (ec)
        p = fs::path(document).lexically_normal();
    return p.string();
}

std::string ampersandsDoubled(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

}  // namespace

TRecentFiles::TRecentFiles(std::string path) : path_(std::move(path)) {
    reload();
}

void TRecentFiles::reload() {
    if (path_.empty())
        return;
    entries_ = parseRecentFiles(readTextFile(path_));
}

void TRecentFiles::add(const std::string& document) {
    reload();
    const std::string path = absolutePath(document);
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > CAPACITY)
        entries_.resize(CAPACITY);
    store();
}

void TRecentFiles::remove(const std::string& document) {
    reload();
    std::erase(entries_, document);
    std::erase(entries_, absolutePath(document));
    store();
}

std::vector<std::string> TRecentFiles::dropMissing() {
    reload();
    std::vector<std::string> missing;
    std::vector<std::string> kept;
    for (const std::string& entry : entries_) {
        std::error_code ec;
        (fs::exists(entry, ec) ? kept : missing).push_back(entry);
    }
    if (!missing.empty()) {
        entries_ = kept;
        store();
    }
    return missing;
}

void TRecentFiles::clear() {
    entries_.clear();
    store();
}

void TRecentFiles::store() {
    if (path_.empty())
        return;
    std::error_code ec;
    fs::create_directories(fs::path(path_).parent_path(), ec);
    // a list that cannot be kept costs nothing but the list: the command itself succeeded
    (void)writeTextFileAtomically(path_, recentFilesText(entries_));
}

std::string recentFilesText(const std::vector<std::string>& entries) {
    std::string text = HEADER;
    for (const std::string& entry : entries)
        text += escapedLine(entry) + "\n";
    return text;
}

std::vector<std::string> parseRecentFiles(std::string_view text) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < text.size() && entries.size() < TRecentFiles::CAPACITY) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        std::string entry = unescapedLine(line);
        if (std::find(entries.begin(), entries.end(), entry) == entries.end())
            entries.push_back(std::move(entry));
    }
    return entries;
}

std::string recentFileLabel(const std::vector<std::string>& entries, size_t index,
                            const std::string& home) {
    const fs::path path(entries.at(index));
    // appended piece by piece: g++ 12 at -O3 warns falsely about "literal" + std::string
    std::string label;
    if (index < 9) {
        label.push_back('&');
        label.append(std::to_string(index + 1));
        label.append("  ");
    } else {
        label.append("   ");
    }
    label.append(ampersandsDoubled(path.filename().string()));
    const bool shared = std::count_if(entries.begin(), entries.end(), [&](const std::string& e) {
                            return fs::path(e).filename() == path.filename();
                        }) > 1;
    if (shared) {
        std::string folder = path.parent_path().string();
        std::string h = home;
        if (!h.empty() && h.back() == '/')
            h.pop_back();
        if (!h.empty() && (folder == h || folder.starts_with(h + '/'))) {
            folder.replace(0, h.size(), 1, '~');
        }
        label.append("  (");
        label.append(ampersandsDoubled(folder));
        label.push_back(')');
    }
    return label;
}
