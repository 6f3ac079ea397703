#pragma once

#include "help/message_bundle.h"

// Russian texts for the structure and development words and the key and tempo lists; every
// other key reads as the empty text. Stored as UTF-8 like the rest of the sources.
class TRusMessageBundle : public TMessageBundle {
  public:
    TRusMessageBundle();
};
