#include "model/base_folder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> nonEmptyEnv(const char* name) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0')
        return std::nullopt;
    return std::string(v);
}

bool isSet(const std::optional<std::string>& v) {
    return v && !v->empty();
}

std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Relative names are taken against the working directory now, so that the folder stays the
// same whatever the program does with its working directory later.
std::string absoluteFolder(const std::string& folder, const std::string& cwd) {
    fs::path p(folder);
    if (p.is_relative())
        p = fs::path(cwd) / p;
    return withTrailingSeparator(p.lexically_normal().string());
}

bool isRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// ${VARIABLE:-$HOME/<fallback>}/motivica/, as XDG_DATA_HOME and XDG_CONFIG_HOME name their
// folders: a relative value is to be ignored, as the XDG rules say. Empty without either.
std::string xdgFolder(const std::optional<std::string>& value, const TBaseFolderEnvironment& env,
                      const char* fallback) {
    fs::path folder;
    if (isSet(value) && fs::path(*value).is_absolute())
        folder = *value;
    else if (isSet(env.home))
        folder = fs::path(*env.home) / fallback;
    else
        return {};
    return absoluteFolder((folder / "motivica").string(), env.workingDirectory);
}

}  // namespace

TBaseFolderChoice resolveBaseFolder(const TBaseFolderEnvironment& env) {
    if (isSet(env.motivicaHome))
        return {absoluteFolder(*env.motivicaHome, env.workingDirectory),
                TBaseFolderSource::MOTIVICA_HOME};
    if (!env.workingDirectory.empty() &&
        isRegularFile(fs::path(env.workingDirectory) / "instruments.xml"))
        return {absoluteFolder(env.workingDirectory, env.workingDirectory),
                TBaseFolderSource::WORKING_DIRECTORY};
    const std::string userData = xdgFolder(env.xdgDataHome, env, ".local/share");
    if (userData.empty())  // no home to speak of: the working directory is all there is
        return {absoluteFolder(env.workingDirectory.empty() ? "/" : env.workingDirectory, "/"),
                TBaseFolderSource::WORKING_DIRECTORY};
    return {userData, TBaseFolderSource::USER_DATA};
}

bool seedDataFolder(const std::string& folder, const std::string& shippedFolder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        return false;
    // the document and MIDI folders are where Open, Save As and Export start
    fs::create_directories(fs::path(folder) / "tnrs", ec);
    fs::create_directories(fs::path(folder) / "mids", ec);
    if (shippedFolder.empty() || !fs::is_directory(shippedFolder, ec))
        return true;
    if (fs::equivalent(folder, shippedFolder, ec))
        return true;

    const fs::path source(shippedFolder);
    fs::recursive_directory_iterator it(source, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path rel = it->path().lexically_relative(source);
        const fs::path dest = fs::path(folder) / rel;
        std::error_code one;
        if (it->is_directory(one)) {
            fs::create_directories(dest, one);
        } else if (it->is_regular_file(one) && !fs::exists(fs::symlink_status(dest, one))) {
            fs::create_directories(dest.parent_path(), one);
            fs::copy_file(it->path(), dest, fs::copy_options::skip_existing, one);
        }
    }
    return true;
}

std::string chooseShippedDataFolder(const std::string& executable,
                                    const std::string& installedFromBin,
                                    const std::string& compiledIn) {
    // an installed copy beside the executable is the one that matches it, even where the
    // source tree it was built from still exists; the build tree has no such copy
    if (!executable.empty()) {
        const fs::path exeDir = fs::path(executable).parent_path();
        std::vector<fs::path> candidates;
        if (!installedFromBin.empty())
            candidates.push_back(exeDir / installedFromBin);
        candidates.push_back(exeDir / "data");
        for (const fs::path& candidate : candidates) {
            if (isRegularFile(candidate / "instruments.xml"))
                return candidate.lexically_normal().string();
        }
    }
    std::error_code ec;
    if (!compiledIn.empty() && fs::is_directory(compiledIn, ec))
        return compiledIn;
    return {};
}

std::string shippedDataFolder() {
    std::string executable;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0)
        executable.assign(buf, static_cast<size_t>(n));
#ifdef MOTIVICA_DATA_FROM_BIN
    const std::string installedFromBin = MOTIVICA_DATA_FROM_BIN;
#else
    const std::string installedFromBin;
#endif
#ifdef MOTIVICA_DATA_DIR
    const std::string compiledIn = MOTIVICA_DATA_DIR;
#else
    const std::string compiledIn;
#endif
    return chooseShippedDataFolder(executable, installedFromBin, compiledIn);
}

TBaseFolderEnvironment currentBaseFolderEnvironment() {
    TBaseFolderEnvironment env;
    env.motivicaHome = nonEmptyEnv("MOTIVICA_HOME");
    env.xdgDataHome = nonEmptyEnv("XDG_DATA_HOME");
    env.home = nonEmptyEnv("HOME");
    env.xdgConfigHome = nonEmptyEnv("XDG_CONFIG_HOME");
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    env.workingDirectory = ec ? std::string() : cwd.string();
    return env;
}

const std::string& baseFolder() {
    static const std::string folder = [] {
        TBaseFolderChoice choice = resolveBaseFolder(currentBaseFolderEnvironment());
        if (choice.source == TBaseFolderSource::USER_DATA)
            seedDataFolder(choice.folder, shippedDataFolder());
        return choice.folder;
    }();
    return folder;
}

std::string settingsFolder(const TBaseFolderEnvironment& env) {
    if (isSet(env.motivicaHome))
        return absoluteFolder(*env.motivicaHome, env.workingDirectory);
    return xdgFolder(env.xdgConfigHome, env, ".config");
}

std::string recoveryFolder(const TBaseFolderEnvironment& env) {
    if (isSet(env.motivicaHome))
        return absoluteFolder(*env.motivicaHome, env.workingDirectory) + "recovery/";
    const std::string data = xdgFolder(env.xdgDataHome, env, ".local/share");
    return data.empty() ? data : data + "recovery/";
}
