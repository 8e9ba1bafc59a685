#pragma once

// The page header and footer codes of a sheet (&L, &C, &R sections with
// fields such as &P of &N) expanded into the texts of one printed page.

#include <optional>
#include <string>
#include <string_view>

namespace nubera::printout {

// What the fields of a header or footer stand for on one page.
struct PageFields {
    int page = 1;           // &P
    int pages = 1;          // &N
    std::string sheetName;  // &A
    std::string fileName;   // &F
    std::string folder;     // &Z
    std::string date;       // &D
    std::string time;       // &T
};

struct HeaderFooterSection {
    std::string text;
    std::optional<double> fontSize;  // points; nothing for the default
    bool bold = false;
    bool italic = false;
};

struct HeaderFooterTexts {
    HeaderFooterSection left;
    HeaderFooterSection center;
    HeaderFooterSection right;
};

// Font names (&"…"), colours (&K…) and pictures (&G) are left out; text
// before any section code belongs to the centre.
HeaderFooterTexts ExpandHeaderFooter(std::string_view codes, const PageFields& fields);

}  // namespace nubera::printout
