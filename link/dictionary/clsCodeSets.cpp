#include "clsCodeSets.h"

std::shared_ptr<clsCodeSetItems>
clsCodeSets::AddItem(std::string_view key, std::shared_ptr<clsCodeSetItems> codeSetItems) {
    if (!codeSetItems)
        codeSetItems = std::make_shared<clsCodeSetItems>();
    if (Exists(key))
        throw LinkError(LinkErrors::DuplicateKey,
                        "This key is already associated with an element of this collection");
    codeSetItems->Key = key;
    Add(codeSetItems);
    return codeSetItems;
}
