#pragma once

#include <string>
#include <string_view>

namespace nubera {

// Which signs a number box takes: every box takes digits, the decimal point
// and a plus sign; a box for a position across the section also a minus.
enum class EntrySign { Unsigned, Signed };

// The verdict on text typed or pasted into a number box.
struct EntryInsertion {
    bool accepted = false;
    std::string text;     // what goes into the box when accepted (ASCII)
    std::string refusal;  // why not and what the box takes, when refused
};

// One rule for every number box, typed or pasted: full-width digits, point,
// minus and plus, as a Japanese input method types them, are taken as their
// ASCII equivalents; any other character, a minus where the box takes no
// negative value, and a thousands separator refuse the whole text. A
// character is never dropped while the rest goes in: that would turn
// "2800.5" into 28005 or "-3" into 3.
EntryInsertion CheckEntryInsertion(std::string_view utf8, EntrySign sign);

// What the box takes, in words for its tooltip.
std::string EntryTakes(EntrySign sign);

}  // namespace nubera
