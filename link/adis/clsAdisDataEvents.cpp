#include "clsAdisDataEvents.h"

#include "AdisKeptDefinitions.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisEvents.h"
#include "modADIS.h"

#include <limits>

namespace {

[[noreturn]] void RaiseInvalid() {
    throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
}

} // namespace

clsAdisDataEvents::clsAdisDataEvents(const clsAdisDataEvents& other) {
    *this = other;
}

clsAdisDataEvents& clsAdisDataEvents::operator=(const clsAdisDataEvents& other) {
    if (this == &other)
        return *this;
    other.MakeAll();
    made_ = other.made_;
    unmade_.clear();
    kept_.reset();
    index_ = other.index_;
    return *this;
}

clsAdisDataEvents::~clsAdisDataEvents() = default;

std::string_view clsAdisDataEvents::KeyAt(std::size_t position, std::string& buffer) const {
    if (const auto& made = made_[position])
        return made->Key;
    const Unmade& unmade = unmade_[position];
    buffer = clsAdisEvents::EventKey(unmade.eventNo, unmade.subItem);
    return buffer;
}

std::size_t clsAdisDataEvents::Find(std::string_view key) const {
    std::string buffer;
    const std::size_t entry = index_.Find(key, KeyTable::HashOf(key), [&](std::uint32_t position) {
        return KeyAt(position, buffer);
    });
    return entry == KeyTable::kNoEntry ? kAbsent : index_.PositionAt(entry);
}

clsAdisDataEvents::Element clsAdisDataEvents::MadeAt(std::size_t position) const {
    Element& made = made_[position];
    if (made)
        return made;
    const Unmade& unmade = unmade_[position];
    auto event = std::make_shared<clsAdisDataEvent>();
    event->Key = clsAdisEvents::EventKey(unmade.eventNo, unmade.subItem);
    event->EventNo = unmade.eventNo;
    event->SubItems = unmade.subItems;
    if (unmade.length > 0)
        kept_->MakeInto(*event, unmade.place, unmade.length);
    made = std::move(event);
    return made;
}

void clsAdisDataEvents::MakeAll() const {
    if (unmade_.empty())
        return;
    for (std::size_t position = 0; position < made_.size(); ++position)
        MadeAt(position);
    unmade_.clear();
    kept_.reset();
}

void clsAdisDataEvents::Append(Element made, const Unmade& unmade) {
    if (made_.size() >= KeyTable::kMostElements)
        RaiseInvalid();
    if (!made && unmade_.empty())
        for (std::size_t position = 0; position < made_.size(); ++position)
            unmade_.push_back(Unmade{});
    if (!made || !unmade_.empty())
        unmade_.push_back(unmade);
    made_.push_back(std::move(made));
    std::string buffer;
    index_.Insert(static_cast<std::uint32_t>(made_.size() - 1),
                  KeyTable::HashOf(KeyAt(made_.size() - 1, buffer)));
}

bool clsAdisDataEvents::Add(const Element& element, std::string_view before,
                            std::string_view after) {
    if (!element)
        RaiseInvalid();
    if (Find(element->Key) != kAbsent)
        throw LinkError(LinkErrors::DuplicateKey,
                        "This key is already associated with an element of this collection");
    if (before.empty() && after.empty()) {
        Append(element, Unmade{});
        return true;
    }
    const std::size_t anchor = Find(before.empty() ? after : before);
    if (anchor == kAbsent)
        RaiseInvalid();
    if (made_.size() >= KeyTable::kMostElements)
        RaiseInvalid();
    MakeAll();
    index_.InsertInto(made_, anchor + (before.empty() ? 1 : 0), element,
                      [](const Element& made) -> std::string_view { return made->Key; });
    return true;
}

clsAdisDataEvents::Element clsAdisDataEvents::AddIfAbsent(const Element& element) {
    if (!element || Find(element->Key) != kAbsent)
        return nullptr;
    Add(element);
    return element;
}

clsAdisDataEvents::Element clsAdisDataEvents::Item(std::string_view key) const {
    const std::size_t position = Find(key);
    return position == kAbsent ? nullptr : MadeAt(position);
}

clsAdisDataEvents::Element clsAdisDataEvents::Item(long position) const {
    if (!Exists(position))
        return nullptr;
    return MadeAt(static_cast<std::size_t>(position - 1));
}

void clsAdisDataEvents::RemoveAt(std::size_t position) {
    if (position + 1 == made_.size()) {
        std::string buffer;
        const std::string key(KeyAt(position, buffer));
        index_.Erase(index_.Find(key, KeyTable::HashOf(key),
                                 [&](std::uint32_t at) { return KeyAt(at, buffer); }));
        made_.pop_back();
        if (!unmade_.empty())
            unmade_.pop_back();
        return;
    }
    MakeAll();
    index_.EraseFrom(made_, position,
                     [](const Element& made) -> std::string_view { return made->Key; });
}

void clsAdisDataEvents::Remove(std::string_view key) {
    const std::size_t position = Find(key);
    if (position == kAbsent)
        RaiseInvalid();
    RemoveAt(position);
}

void clsAdisDataEvents::Remove(long position) {
    if (!Exists(position))
        RaiseInvalid();
    RemoveAt(static_cast<std::size_t>(position - 1));
}

void clsAdisDataEvents::Clear() {
    made_.clear();
    unmade_.clear();
    kept_.reset();
    index_.Clear();
}

void clsAdisDataEvents::Reserve(std::size_t n) {
    made_.reserve(n);
    index_.MakeRoom(n);
}

clsAdisDataEvents::Element clsAdisDataEvents::AddItem(std::int32_t eventNo, std::int16_t subItems,
                                                      std::shared_ptr<clsAdisItems> items,
                                                      std::shared_ptr<clsAdisDataLines> dataLines) {
    auto event = std::make_shared<clsAdisDataEvent>();
    event->Key = clsAdisEvents::EventKey(eventNo, subItems);
    event->EventNo = eventNo;
    event->SetItems(std::move(items));
    event->SetDataLines(std::move(dataLines));
    return AddIfAbsent(event);
}

clsAdisDataEvents::Element clsAdisDataEvents::ItemOf(std::int32_t eventNo) const {
    return Item(modADIS::FormatEventNo(eventNo));
}

bool clsAdisDataEvents::ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo) {
    const auto old = ItemOf(oldEventNo);
    if (!old || ItemOf(newEventNo))
        return false;
    for (const auto& line : *old->DataLines())
        line->EventNo = newEventNo;
    AddItem(newEventNo, 0, old->Items(), old->DataLines());
    Remove(old->Key);
    return true;
}

std::optional<std::size_t> clsAdisDataEvents::AddDefinitionRead(std::int32_t eventNo) {
    Unmade unmade;
    unmade.eventNo = eventNo;
    const std::size_t first = Find(modADIS::FormatEventNo(eventNo));
    if (first != kAbsent) {
        std::int16_t& subItems = made_[first] ? made_[first]->SubItems : unmade_[first].subItems;
        if (subItems >= std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        unmade.subItem = ++subItems;
        std::string key = clsAdisEvents::EventKey(eventNo, unmade.subItem);
        if (Find(key) != kAbsent)
            return std::nullopt;
    }
    Append(nullptr, unmade);
    return made_.size() - 1;
}

void clsAdisDataEvents::RemoveDefinitionRead() {
    RemoveAt(made_.size() - 1);
}

void clsAdisDataEvents::KeepDefinition(std::size_t position,
                                       std::shared_ptr<const AdisKeptDefinitions> kept,
                                       std::uint32_t place, std::uint16_t length) {
    kept_ = std::move(kept);
    unmade_[position].place = place;
    unmade_[position].length = length;
}
