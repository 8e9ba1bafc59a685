#include "report/result_printout.h"

#include "report/sheets/cover_sheet.h"
#include "report/sheets/input_sheet.h"
#include "report/sheets/method_sheet.h"

namespace nubera::report {

std::vector<std::string> PrintedResultSheets(bool alsoLateral) {
    std::vector<std::string> names{kCoverSheet, kInputSheet, kMethodSheet, "即時沈下量の計算",
                                   "即時沈下量のまとめ"};
    if (alsoLateral) names.insert(names.end(), {"側方変位量の計算", "側方変位量のまとめ"});
    return names;
}

}  // namespace nubera::report
