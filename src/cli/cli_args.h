#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A bad command line: the message names the option and what it accepts; exit status 2.
class TUsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A command that could not be carried out (a file that cannot be read or written); exit status 1.
class TCommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments of one command: options ("--name value" or "-o value"), flags and positionals.
class TCliArgs {
  public:
    // valueOptions take one value each and may repeat; flags take none.
    TCliArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
             const std::vector<std::string>& flags);

    bool has(const std::string& option) const;
    std::optional<std::string> value(const std::string& option) const;
    std::vector<std::string> values(const std::string& option) const;
    const std::vector<std::string>& positionals() const { return positionals_; }
    bool helpRequested() const { return help_; }

    // An integer option within [lo, hi]; `what` tells the user what it accepts.
    std::optional<int> intValue(const std::string& option, int lo, int hi) const;
    // The single positional argument the command requires.
    std::string onlyPositional(const std::string& what) const;
    // The value of an option that must be given.
    std::string required(const std::string& option, const std::string& what) const;

  private:
    std::map<std::string, std::vector<std::string>> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> positionals_;
    bool help_ = false;
};

int parseIntOrThrow(const std::string& text, const std::string& option, int lo, int hi);
