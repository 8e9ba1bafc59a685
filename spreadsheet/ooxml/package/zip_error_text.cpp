#include "spreadsheet/ooxml/package/zip_error_text.h"

#include <cerrno>

#include "files/system_reason.h"

namespace nubera::sheet {

std::string ZipErrorText(zip_error_t& error) {
    const bool systemReason =
        zip_error_system_type(&error) == ZIP_ET_SYS && zip_error_code_system(&error) != 0;
    switch (zip_error_code_zip(&error)) {
        case ZIP_ER_NOZIP:
            return "ZIP形式のファイルではありません";
        case ZIP_ER_CRC:
            return "内容がチェックサム（CRC）と一致しません。ファイルが壊れています";
        case ZIP_ER_ZLIB:
        case ZIP_ER_COMPRESSED_DATA:
            return "圧縮されたデータが壊れています";
        case ZIP_ER_INCONS:
        case ZIP_ER_EOF:
            return "ZIPアーカイブが壊れています";
        case ZIP_ER_NOENT:
            return SystemReasonText(ENOENT);
        case ZIP_ER_MEMORY:
            return "メモリが足りません";
        default:
            return systemReason
                       ? SystemReasonText(zip_error_code_system(&error))
                       : std::string("ZIPアーカイブを扱えません: ") + zip_error_strerror(&error);
    }
}

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = ZipErrorText(error);
    zip_error_fini(&error);
    return text;
}

}  // namespace nubera::sheet
