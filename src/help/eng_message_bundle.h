#pragma once

#include "help/message_bundle.h"

// The English texts: the one bundle the main window creates.
class TEngMessageBundle : public TMessageBundle {
  public:
    TEngMessageBundle();
};
