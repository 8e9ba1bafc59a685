#include "printout/header_footer.h"

namespace nubera::printout {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class HeaderFooterReader {
  public:
    HeaderFooterReader(std::string_view codes, const PageFields& fields)
        : codes_(codes), fields_(fields) {}

    HeaderFooterTexts Read() {
        while (i_ < codes_.size()) {
            if (codes_[i_] == '&' && i_ + 1 < codes_.size()) {
                ++i_;
                Code();
            } else {
                current_->text += codes_[i_++];
            }
        }
        return texts_;
    }

  private:
    // The code after an '&'.
    void Code() {
        const char c = codes_[i_++];
        switch (c) {
            case '&':
                current_->text += '&';
                break;
            case 'L':
                current_ = &texts_.left;
                break;
            case 'C':
                current_ = &texts_.center;
                break;
            case 'R':
                current_ = &texts_.right;
                break;
            case 'P':
                current_->text += std::to_string(fields_.page);
                break;
            case 'N':
                current_->text += std::to_string(fields_.pages);
                break;
            case 'A':
                current_->text += fields_.sheetName;
                break;
            case 'F':
                current_->text += fields_.fileName;
                break;
            case 'Z':
                current_->text += fields_.folder;
                break;
            case 'D':
                current_->text += fields_.date;
                break;
            case 'T':
                current_->text += fields_.time;
                break;
            case 'B':
                current_->bold = !current_->bold;
                break;
            case 'I':
                current_->italic = !current_->italic;
                break;
            case '"':
                Skip(codes_.find('"', i_), 1);
                break;  // &"font,style"
            case 'K':
                i_ += 6;
                break;  // &Krrggbb or &KttSnnn
            default:
                if (IsDigit(c)) FontSize(c);
                break;  // underline, strike-through, outline and the like
        }
    }

    void FontSize(char first) {
        int size = first - '0';
        while (i_ < codes_.size() && IsDigit(codes_[i_])) size = size * 10 + (codes_[i_++] - '0');
        current_->fontSize = size;
    }

    void Skip(std::size_t end, std::size_t past) {
        i_ = end == std::string_view::npos ? codes_.size() : end + past;
    }

    std::string_view codes_;
    const PageFields& fields_;
    std::size_t i_ = 0;
    HeaderFooterTexts texts_;
    HeaderFooterSection* current_ = &texts_.center;
};

}  // namespace

HeaderFooterTexts ExpandHeaderFooter(std::string_view codes, const PageFields& fields) {
    return HeaderFooterReader(codes, fields).Read();
}

}  // namespace nubera::printout
