#include "templates/raw_phrase.h"

#include "help/message_bundle.h"

std::string TRawPhrase::caption() const {
    std::string result = bundle != nullptr ? bundle->text("phrase small") : std::string();
    result += "-";
    result += phraseLetterName(letter);
    result += " (";
    result += std::to_string(motiveCount);
    result += ")";
    return result;
}
