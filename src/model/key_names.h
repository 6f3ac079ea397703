#pragma once

#include <cstdint>
#include <string>

#include "model/key.h"

// "G major", "B♭ minor": the key as a student names it.
std::string keyName(const TKey& key);

// "no sharps or flats", "1 sharp", "3 flats": what a key signature holds.
std::string signatureText(int32_t signs);
