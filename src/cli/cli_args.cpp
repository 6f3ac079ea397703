#include "cli/cli_args.h"

#include <algorithm>
#include <charconv>

TCliArgs::TCliArgs(const std::vector<std::string>& args,
                   const std::vector<std::string>& valueOptions,
                   const std::vector<std::string>& flags) {
    auto takesValue = [&](const std::string& a) {
        return std::find(valueOptions.begin(), valueOptions.end(), a) != valueOptions.end();
    };
    auto isFlag = [&](const std::string& a) {
        return std::find(flags.begin(), flags.end(), a) != flags.end();
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            help_ = true;
        } else if (takesValue(a)) {
            if (i + 1 >= args.size())
                throw TUsageError("option " + a + " needs a value");
            values_[a].push_back(args[++i]);
        } else if (isFlag(a)) {
            flags_.push_back(a);
        } else if (a.size() > 1 && a[0] == '-') {
            throw TUsageError("unknown option " + a);
        } else {
            positionals_.push_back(a);
        }
    }
}

bool TCliArgs::has(const std::string& option) const {
    return values_.count(option) > 0 ||
           std::find(flags_.begin(), flags_.end(), option) != flags_.end();
}

std::optional<std::string> TCliArgs::value(const std::string& option) const {
    auto it = values_.find(option);
    if (it == values_.end())
        return std::nullopt;
    return it->second.back();  // a repeated option: the last one holds
}

std::vector<std::string> TCliArgs::values(const std::string& option) const {
    auto it = values_.find(option);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

int parseIntOrThrow(const std::string& text, const std::string& option, int lo, int hi) {
    int v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size() || v < lo || v > hi)
        throw TUsageError("option " + option + " accepts a whole number from " +
                          std::to_string(lo) + " to " + std::to_string(hi));
    return v;
}

std::optional<int> TCliArgs::intValue(const std::string& option, int lo, int hi) const {
    auto v = value(option);
    if (!v)
        return std::nullopt;
    return parseIntOrThrow(*v, option, lo, hi);
}

std::string TCliArgs::onlyPositional(const std::string& what) const {
    if (positionals_.size() != 1)
        throw TUsageError("expected one " + what);
    return positionals_.front();
}

std::string TCliArgs::required(const std::string& option, const std::string& what) const {
    auto v = value(option);
    if (!v)
        throw TUsageError("option " + option + " is required: " + what);
    return *v;
}
