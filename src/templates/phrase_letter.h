#pragma once

#include <cstdint>
#include <string>

// A phrase's letter shows which phrases repeat or vary one another (A, B, B1, A1 ...).
// Codes 1 to 4 name phrases by number and are never handed out by the shape editor.
using PHRASE_LETTER = uint8_t;

constexpr PHRASE_LETTER NO_PHRASE_LETTER = 0;
constexpr PHRASE_LETTER PHRASE_LETTER_A = 5;
constexpr PHRASE_LETTER PHRASE_LETTER_B = 6;
constexpr PHRASE_LETTER PHRASE_LETTER_C = 7;
constexpr PHRASE_LETTER PHRASE_LETTER_D = 8;
constexpr PHRASE_LETTER PHRASE_LETTER_E = 9;
constexpr PHRASE_LETTER PHRASE_LETTER_A1 = 10;
constexpr PHRASE_LETTER PHRASE_LETTER_B1 = 11;
constexpr PHRASE_LETTER PHRASE_LETTER_C1 = 12;
constexpr PHRASE_LETTER PHRASE_LETTER_D1 = 13;
constexpr PHRASE_LETTER PHRASE_LETTER_E1 = 14;
constexpr PHRASE_LETTER PHRASE_LETTER_A2 = 15;
// The letters a user can give a phrase run from "A" to "A2", in code order.
constexpr PHRASE_LETTER FIRST_USER_PHRASE_LETTER = PHRASE_LETTER_A;
constexpr PHRASE_LETTER LAST_USER_PHRASE_LETTER = PHRASE_LETTER_A2;
constexpr int PHRASE_LETTER_CODE_COUNT = 16;

// The name every caption shows for a letter code; the empty text for 0 and for unknown codes.
std::string phraseLetterName(int code);
