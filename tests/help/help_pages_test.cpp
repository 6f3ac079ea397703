// The pages and the tutorial composition the program ships: well-formed, every link and image
// resolving to a shipped file (and anchor), and a tutorial that the eight steps can walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
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
    static const std::regex TAG(R"re(<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)>)re");
    std::vector<std::string> open;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), TAG);
         it != std::sregex_iterator(); ++it) {
        const std::string name = lower((*it)[2]);
        if (VOID.count(name) != 0 || (*it)[3] == "/")
            continue;
        if ((*it)[1] == "/") {
            if (open.empty() || open.back() != name)
                return "</" + name + ">";
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    return open.empty() ? "" : "<" + open.back() + ">";
}

std::set<std::string> anchorsOf(const std::string& html) {
    static const std::regex ID(R"re((?:id|name)\s*=\s*"([^"]+)")re");
    std::set<std::string> ids;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), ID); it != std::sregex_iterator();
         ++it)
        ids.insert((*it)[1]);
    return ids;
}

}  // namespace

TEST(HelpPagesTest, EveryShippedPageIsWellFormedAndEveryLinkResolves) {
    const std::vector<fs::path> pages = shippedPages();
    ASSERT_GE(pages.size(), 10u);
    static const std::regex LINK(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    for (const fs::path& page : pages) {
        SCOPED_TRACE(page.string());
        const std::string html = read(page);
        EXPECT_EQ(unbalancedTag(html), "");
        EXPECT_NE(lower(html).find("charset=utf-8"), std::string::npos);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), LINK);
             it != std::sregex_iterator(); ++it) {
            const std::string link = (*it)[1];
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
