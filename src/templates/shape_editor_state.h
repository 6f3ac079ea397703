#pragma once

#include <string>
#include <vector>

// What the shape editor's lists, buttons and summary show for a period shape.
struct TShapeEditorState {
    std::vector<std::string> sentenceItems;
    int sentenceIndex = -1;
    // The phrases of the selected sentence.
    std::vector<std::string> phraseItems;
    int phraseIndex = -1;

    bool addSentenceEnabled = false;
    bool deleteSentenceEnabled = false;
    bool moveSentenceUpEnabled = false;
    bool moveSentenceDownEnabled = false;

    bool addPhraseEnabled = false;
    bool deletePhraseEnabled = false;
    bool movePhraseUpEnabled = false;
    bool movePhraseDownEnabled = false;
    // The motive-count and letter lists, with their labels, exist only for a selected phrase.
    bool phraseFieldsShown = false;
    int motiveCountIndex = -1;
    int phraseLetterIndex = -1;

    std::string structureText;

    bool operator==(const TShapeEditorState&) const = default;
};
