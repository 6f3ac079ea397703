#include "model/popup_hints.h"

#include <filesystem>
#include <system_error>

#include "model/output_file.h"
#include "model/text_line.h"
#include "model/xml_document.h"

TPopupHints::TPopupHints(std::string path) : path_(std::move(path)) {
    std::error_code error;
    if (!path_.empty() && std::filesystem::exists(path_, error))
        shown_ = parse(readTextFile(path_));
}

bool TPopupHints::setShown(bool shown) {
    shown_ = shown;
    if (path_.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    return writeTextFileAtomically(path_, text(shown)).ok;
}

std::string TPopupHints::text(bool shown) {
    return shown ? "shown\n" : "hidden\n";
}

bool TPopupHints::parse(const std::string& text) {
    return text != "hidden\n" && text != "hidden";
}
