#include "playback/instr_conf_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "playback/instrument_conf.h"

namespace fs = std::filesystem;

TInstrConfList::TInstrConfList(std::vector<std::string> names) : names_(std::move(names)) {
    std::sort(names_.begin(), names_.end());  // std::string compares bytes as unsigned char
}

TFindLowerCase::TFindLowerCase(const std::string& target) : target_(lowerCase(target)) {}

bool TFindLowerCase::operator()(const std::string& name) const {
    return lowerCase(name) == target_;
}

std::string TFindLowerCase::lowerCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

TInstrConfList scanInstrumentSets(const std::string& base) {
    static const std::string EXTENSION = ".xml";
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(instrumentSetFolder(base), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code one;
        if (!it->is_regular_file(one))
            continue;
        const std::string file = it->path().filename().string();
        if (file.size() < EXTENSION.size() ||
            file.compare(file.size() - EXTENSION.size(), EXTENSION.size(), EXTENSION) != 0)
            continue;
        std::string name = file.substr(0, file.size() - EXTENSION.size());
        if (isSafeInstrumentSetName(name))
            names.push_back(std::move(name));
    }
    return TInstrConfList(std::move(names));
}

std::optional<size_t> indexOfName(const TInstrConfList& list, const std::string& name) {
    auto it = std::find_if(list.begin(), list.end(), TFindLowerCase(name));
    if (it == list.end())
        return std::nullopt;
    return static_cast<size_t>(it - list.begin());
}
