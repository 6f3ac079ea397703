#include "model/recovery_keeper.h"

#include "model/recovery_store.h"
#include "model/xml_document.h"

void TRecoveryKeeper::markSaved(std::string document) {
    saved_ = std::move(document);
}

bool TRecoveryKeeper::update(const std::string& document, const std::string& name) {
    if (document == saved_) {
        if (kept_ && store_ != nullptr)
            store_->clear();
        kept_ = false;
        return true;
    }
    if (kept_ && document == keptDocument_ && name == keptName_)
        return true;
    if (store_ == nullptr || !store_->keep(name, document))
        return false;
    kept_ = true;
    keptDocument_ = document;
    keptName_ = name;
    return true;
}
