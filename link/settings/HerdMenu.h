#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace modCommon {

// The herd list behind the "Select Herd" menu, without a window: element 0 is a
// placeholder shown while the list holds no herd, elements 1..n carry one herd
// number each as caption in the order of adding, and at most one is checked (the
// selected herd). The main window mirrors this model in its menu.
class HerdMenu {
public:
    struct Element {
        std::string Caption;
        bool Checked = false;
        bool Visible = true;
    };

    HerdMenu();

    // Number of elements, placeholder included.
    long ElementCount() const { return static_cast<long>(elements_.size()); }
    // Number of herds (elements 1..n).
    long HerdCount() const { return ElementCount() - 1; }
    // Element by index 0..n; throws LinkError for an index out of range.
    const Element& At(long index) const;
    Element& At(long index);

    // Index 1..n of the herd with the caption, 0 when it is not listed.
    long Find(std::string_view herdNo) const;
    // The herd numbers 1..n in order.
    std::vector<std::string> HerdNumbers() const;

    // Appends a visible element with the caption.
    void Append(std::string_view herdNo);
    // Removes the last element (never the placeholder).
    void RemoveLast();

private:
    std::vector<Element> elements_;
};

} // namespace modCommon
