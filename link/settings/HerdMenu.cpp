#include "HerdMenu.h"

#include "common/LinkError.h"

namespace modCommon {

HerdMenu::HerdMenu() : elements_(1) {}

const HerdMenu::Element& HerdMenu::At(long index) const {
    if (index < 0 || index >= ElementCount())
        throw LinkError(LinkErrors::SubscriptOutOfRange, "Subscript out of range");
    return elements_[static_cast<std::size_t>(index)];
}

HerdMenu::Element& HerdMenu::At(long index) {
    return const_cast<Element&>(static_cast<const HerdMenu&>(*this).At(index));
}

long HerdMenu::Find(std::string_view herdNo) const {
    for (long i = 1; i < ElementCount(); ++i)
        if (elements_[static_cast<std::size_t>(i)].Caption == herdNo)
            return i;
    return 0;
}

std::vector<std::string> HerdMenu::HerdNumbers() const {
    std::vector<std::string> numbers;
    for (long i = 1; i < ElementCount(); ++i)
        numbers.push_back(elements_[static_cast<std::size_t>(i)].Caption);
    return numbers;
}

void HerdMenu::Append(std::string_view herdNo) {
    elements_.push_back(Element{std::string(herdNo), false, true});
}

void HerdMenu::RemoveLast() {
    if (elements_.size() > 1)
        elements_.pop_back();
}

} // namespace modCommon
