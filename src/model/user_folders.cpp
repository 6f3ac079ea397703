#include "model/user_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

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

std::string folderOf(const fs::path& p) {
    std::string folder = p.lexically_normal().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// $MOTIVICA_HOME taken against the working directory, as the base folder takes it.
std::string motivicaHome(const TUserFolderEnvironment& env) {
    fs::path p(*env.motivicaHome);
    if (p.is_relative())
        p = fs::path(env.workingDirectory.empty() ? "/" : env.workingDirectory) / p;
    return folderOf(p);
}

// An XDG folder variable, or $HOME/<fallback>; a relative value is ignored, as the XDG rules say.
std::string xdgFolder(const std::optional<std::string>& value, const TUserFolderEnvironment& env,
                      const char* fallback) {
    if (isSet(value) && fs::path(*value).is_absolute())
        return folderOf(fs::path(*value) / "motivica");
    if (isSet(env.home))
        return folderOf(fs::path(*env.home) / fallback / "motivica");
    return {};
}

}  // namespace

TUserFolderEnvironment currentUserFolderEnvironment() {
    TUserFolderEnvironment env;
    env.motivicaHome = nonEmptyEnv("MOTIVICA_HOME");
    env.xdgConfigHome = nonEmptyEnv("XDG_CONFIG_HOME");
    env.xdgDataHome = nonEmptyEnv("XDG_DATA_HOME");
    env.home = nonEmptyEnv("HOME");
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    env.workingDirectory = ec ? std::string() : cwd.string();
    return env;
}

std::string settingsFolder(const TUserFolderEnvironment& env) {
    if (isSet(env.motivicaHome))
        return motivicaHome(env);
    return xdgFolder(env.xdgConfigHome, env, ".config");
}

std::string recoveryFolder(const TUserFolderEnvironment& env) {
    if (isSet(env.motivicaHome))
        return motivicaHome(env) + "recovery/";
    const std::string data = xdgFolder(env.xdgDataHome, env, ".local/share");
    return data.empty() ? data : data + "recovery/";
}
