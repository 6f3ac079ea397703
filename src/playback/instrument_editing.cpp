#include "playback/instrument_editing.h"

#include "model/xml_document.h"
#include "playback/instr_conf_list.h"

namespace {

// The characters no set name may hold: they would be refused by the file systems the sets are
// carried to, and the slashes would lead out of the instruments folder.
constexpr const char* FORBIDDEN_CHARACTERS = "\\/:*?\"<>|";

// Characters, not bytes: a byte that continues a UTF-8 sequence does not start one.
size_t characterCount(const std::string& text) {
    size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

}  // namespace

std::optional<int32_t> parseVolume(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const size_t last = text.find_last_not_of(' ');
    int32_t value = 0;
    if (!parseInt32(text.substr(first, last - first + 1), value) || !isMidiDataValue(value))
        return std::nullopt;
    return value;
}

TSetNameVerdict checkSetName(const std::string& name, const TInstrConfList& existing) {
    if (name.find_first_not_of(' ') == std::string::npos)
        return TSetNameVerdict::EMPTY;
    if (characterCount(name) > MAX_SET_NAME_LENGTH ||
        name.find_first_of(FORBIDDEN_CHARACTERS) != std::string::npos ||
        !isSafeInstrumentSetName(name))
        return TSetNameVerdict::WRONG;
    if (indexOfName(existing, name))
        return TSetNameVerdict::EXISTS;
    return TSetNameVerdict::ACCEPTED;
}

std::optional<TSetNameMessage> setNameMessage(TSetNameVerdict verdict) {
    switch (verdict) {
        case TSetNameVerdict::EMPTY:
            return TSetNameMessage{"error", "instr name empty"};
        case TSetNameVerdict::WRONG:
            return TSetNameMessage{"error", "wrong file name"};
        case TSetNameVerdict::EXISTS:
            return TSetNameMessage{"warning", "instr set exists"};
        case TSetNameVerdict::ACCEPTED:
            break;
    }
    return std::nullopt;
}

std::string replacedSetName(const std::string& name, const TInstrConfList& existing) {
    const std::optional<size_t> i = indexOfName(existing, name);
    return i ? existing[*i] : name;
}
