#include "cli/batch/progress_display.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "text/local_date.h"

namespace nubera::cli {
namespace {

constexpr const char* kClearLine = "\r\x1b[K";

// "m:ss"
std::string Duration(std::chrono::seconds length) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(length.count() / 60),
                  static_cast<long long>(length.count() % 60));
    return text;
}

// "hh:mm:ss" on the local clock.
std::string ClockTime(std::chrono::system_clock::time_point moment) {
    const std::tm local = LocalCalendar(moment);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

}  // namespace

ProgressDisplay::ProgressDisplay(std::ostream& terminal, std::size_t total, bool shown)
    : terminal_(terminal), total_(total), shown_(shown) {}

void ProgressDisplay::Show(std::size_t done) {
    if (!shown_) return;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    std::string end = "--:--:--";
    if (done > 0) {
        const auto remaining = elapsed * static_cast<double>(total_ - done) / done;
        end = ClockTime(std::chrono::system_clock::now() +
                        std::chrono::duration_cast<std::chrono::system_clock::duration>(remaining));
    }
    terminal_ << kClearLine << "計算中 " << done << " / " << total_ << "  経過 "
              << Duration(std::chrono::duration_cast<std::chrono::seconds>(elapsed))
              << "  終了見込み " << end << std::flush;
    drawn_ = true;
}

void ProgressDisplay::Clear() {
    if (!drawn_) return;
    terminal_ << kClearLine << std::flush;
    drawn_ = false;
}

}  // namespace nubera::cli
