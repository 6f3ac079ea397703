// The pages and the tutorial composition the program ships: well-formed, every link and image
// resolving to a shipped file (and anchor), and a tutorial that the eight steps can walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "help/tutorial_steps.h"
#include "model/document.h"
#include "model/period_data.h"

namespace fs = std::filesystem;

namespace {

const fs::path DATA(MOTIVICA_DATA_DIR);

std::string read(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> shippedPages() {
    std::vector<fs::path> pages;
    for (const auto& e : fs::recursive_directory_iterator(DATA))
        if (e.path().extension() == ".html")
            pages.push_back(e.path());
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Open and close tags pair up (void elements aside); the first unmatched tag, or empty.
std::string unbalancedTag(const std::string& html) {
    static const std::set<std::string> VOID = {"br",    "img", "meta", "hr",   "link",
                                               "input", "col", "area", "base", "wbr"};
    std::vector<std::string> open;
    for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        size_t i = at + 1;
        const bool closing = i < html.size() && html[i] == '/';
        if (closing)
            ++i;
        size_t n = i;
        while (n < html.size() && std::isalnum(static_cast<unsigned char>(html[n])))
            ++n;
        const size_t gt = html.find('>', n);
        if (n == i || gt == std::string::npos)
            continue;  // a declaration, a comment or a stray sign
        const std::string name = lower(html.substr(i, n - i));
        if (VOID.count(name) != 0 || html[gt - 1] == '/')
            continue;
        if (closing) {
            if (open.empty() || open.back() != name)
                return "</" + name + ">";
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    return open.empty() ? "" : "<" + open.back() + ">";
}

// The values of an attribute, wherever it stands.
std::vector<std::string> attributeValues(const std::string& html, const std::string& attribute) {
    std::vector<std::string> values;
    const std::string key = " " + attribute + "=\"";
    for (size_t at = html.find(key); at != std::string::npos; at = html.find(key, at + 1)) {
        const size_t from = at + key.size();
        const size_t to = html.find('"', from);
        if (to != std::string::npos)
            values.push_back(html.substr(from, to - from));
    }
    return values;
}

std::set<std::string> anchorsOf(const std::string& html) {
    std::set<std::string> ids;
    for (const char* attribute : {"id", "name"})
        for (const std::string& v : attributeValues(html, attribute))
            ids.insert(v);
    return ids;
}

}  // namespace

TEST(HelpPagesTest, EveryShippedPageIsWellFormedAndEveryLinkResolves) {
    const std::vector<fs::path> pages = shippedPages();
    ASSERT_GE(pages.size(), 10u);
    for (const fs::path& page : pages) {
        SCOPED_TRACE(page.string());
        const std::string html = read(page);
        EXPECT_EQ(unbalancedTag(html), "");
        EXPECT_NE(lower(html).find("charset=utf-8"), std::string::npos);
        std::vector<std::string> links = attributeValues(html, "href");
        for (const std::string& image : attributeValues(html, "src"))
            links.push_back(image);
        for (const std::string& link : links) {
            SCOPED_TRACE(link);
            EXPECT_EQ(link.find("://"), std::string::npos) << "pages link only shipped files";
            const size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const fs::path target = file.empty() ? page : page.parent_path() / file;
            ASSERT_TRUE(fs::is_regular_file(target));
            EXPECT_EQ(fs::weakly_canonical(target).string().rfind(fs::canonical(DATA).string(), 0),
                      0u);
            if (hash != std::string::npos) {
                EXPECT_EQ(anchorsOf(read(target)).count(link.substr(hash + 1)), 1u);
            }
        }
    }
}

TEST(HelpPagesTest, TheTutorialCompositionHasEveryMotiveTheStepsVisit) {
    const fs::path folder = DATA / std::string(TUTORIAL_FOLDER);
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, (folder / std::string(TUTORIAL_COMPOSITION)).string()));
    const std::vector<TMotiveAddress> motives = period.motiveAddresses();
    for (const TTutorialStep& step : TUTORIAL_STEPS) {
        SCOPED_TRACE(std::string(step.page));
        EXPECT_TRUE(fs::is_regular_file(folder / std::string(step.page)));
        ASSERT_LT(static_cast<size_t>(step.motive), motives.size());
    }
    // a finished period: a melody and a chord for every measure of every motive
    for (const TMotiveAddress& a : motives) {
        const TMotive& m = period.motiveAt(a);
        EXPECT_FALSE(m.notes.empty());
        EXPECT_TRUE(m.hasAllChords());
    }
    EXPECT_TRUE(fs::is_regular_file(DATA / std::string(THEORY_FOLDER) / std::string(THEORY_PAGE)));
}
