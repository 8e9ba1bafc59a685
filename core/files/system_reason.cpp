#include "files/system_reason.h"

#include <cerrno>
#include <cstring>

namespace nubera {
namespace {

// glibc's strerror_r returns the text, which may not be in the buffer;
// the standard's (musl's) fills the buffer and returns 0. Each system uses one.
[[maybe_unused]] const char* ErrorText(const char* text, const char*) {
    return text;
}
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
    return result == 0 ? buffer : "不明なエラー";
}

}  // namespace

std::string SystemReasonText(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "アクセス権がありません";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません";
        case ENOENT:
            return "ファイルまたはフォルダが見つかりません";
        case ENOTDIR:
            return "フォルダではないものがパスに含まれています";
        case EFBIG:
            return "ファイルサイズの上限を超えました";
        case EROFS:
            return "読み取り専用の場所です";
        case EISDIR:
            return "同じ名前のフォルダがあります";
        case EIO:
            return "ディスクの読み書きに失敗しました";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます";
        case EEXIST:
            return "同じ名前のファイルが既にあります";
        case ELOOP:
            return "シンボリックリンクが循環しています";
        case ENOLCK:
            return "ファイルをロックできません（ロックに対応していない場所です）";
        default: {
            // strerror's buffer is shared between threads; strerror_r's is ours.
            char buffer[256];
            return std::string("システムエラー: ") +
                   ErrorText(::strerror_r(error, buffer, sizeof buffer), buffer);
        }
    }
}

}  // namespace nubera
