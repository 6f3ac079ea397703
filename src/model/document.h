#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "model/motive.h"
#include "model/period_data.h"
#include "model/xml_document.h"

// The composition document (".tnr"): the whole period as XML, written as text line by line
// with four blanks per level and read back through the XML tree.

// The keywords of the format.
constexpr const char* PERIOD_ELEMENT = "PERIOD";
constexpr const char* MEASURE_ELEMENT = "MEASURE";
constexpr const char* KEY_ELEMENT = "KEY";
constexpr const char* TEMPO_ELEMENT = "TEMP";
constexpr const char* MOTIVE_TYPE_ELEMENT = "MOTIVE_TYPE";
constexpr const char* SENTENCE_ELEMENT = "SENTENCE";
constexpr const char* PHRASE_ELEMENT = "PHRASE";
constexpr const char* MOTIVE_ELEMENT = "MOTIVE";
constexpr const char* CHORDS_ELEMENT = "CHORDS";
constexpr const char* CHORD_ELEMENT = "CHORD";
constexpr const char* NOTES_ELEMENT = "NOTES";
constexpr const char* NOTE_ELEMENT = "NOTE";

// The text of a phrase letter in the "SUFFIX" attribute: "A" .. "A2" for codes 5..15, empty
// for any other code.
std::string suffixName(COLORED_BOX_SUFFIX letter);
// The code a "SUFFIX" value reads as: 5..15 for "A" .. "A2", 5 ("A") for any other text.
COLORED_BOX_SUFFIX suffixCode(const std::string& text);

// Writers: each element at `depth` levels of four blanks, every line ending with a line break
// except the closing tag of the period.
void writeXml(std::ostream& out, const TNote& note, int depth);
void writeXml(std::ostream& out, const TChord& chord, int depth);
void writeXml(std::ostream& out, const TMotive& motive, int depth);
void writeXml(std::ostream& out, const TPhraseData& phrase, int depth);
void writeXml(std::ostream& out, const TSentenceData& sentence, int depth);
void writeXml(std::ostream& out, const TPeriodData& period, int depth = 0);

// The whole document text of a period.
std::string documentText(const TPeriodData& period);

// Readers. A value that does not convert raises TConversionError, leaving the model partly
// read. Element and attribute names compare exactly; unknown ones are skipped.
void readXml(TNote& note, const TXmlElement& element);
void readXml(TChord& chord, const TXmlElement& element);
// "CHORDS" and "NOTES" children replace the chord and note lists; nobody is notified.
void readXml(TMotive& motive, const TXmlElement& element);
// The new motives take the given key, meter and anacrusis.
void readXml(TPhraseData& phrase, const TXmlElement& element, const TKey& key,
             const TMeasure& measure, DURATION anacrusis);
void readXml(TSentenceData& sentence, const TXmlElement& element, const TKey& key,
             const TMeasure& measure, DURATION anacrusis);
// Removes the sentences and reads the element into the period, whatever its name; key, meter,
// anacrusis and tempo keep their values when the element does not give them. The tempo is set
// without telling the listener.
void readXml(TPeriodData& period, const TXmlElement& element);

// Saves the period so that a failed write leaves the previous file as it was; "save error".
TFileResult writeDocument(const TPeriodData& period, const std::string& path);
// Loads the file into `document` and reads its root element into the period. A file that
// cannot be loaded fails before the period changes; a value that does not convert fails after
// the sentences were removed. Both fail with "open error".
TFileResult readDocument(TPeriodData& period, const std::string& path, TXmlDocument& document);
TFileResult readDocument(TPeriodData& period, const std::string& path);
// The same for a document text at hand; `path` only names it in a failure.
TFileResult readDocumentText(TPeriodData& period, std::string_view text,
                             const std::string& path = std::string());
