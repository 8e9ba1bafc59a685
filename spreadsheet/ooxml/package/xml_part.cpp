#include "spreadsheet/ooxml/package/xml_part.h"

#include "decimal/double_chars.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {

const char* ParseFaultText(pugi::xml_parse_status status) {
    switch (status) {
        case pugi::status_out_of_memory:
            return "メモリが足りません";
        case pugi::status_unrecognized_tag:
            return "タグを解釈できません";
        case pugi::status_bad_pi:
            return "処理命令が不正です";
        case pugi::status_bad_comment:
            return "コメントが不正です";
        case pugi::status_bad_cdata:
            return "CDATAセクションが不正です";
        case pugi::status_bad_doctype:
            return "文書型宣言が不正です";
        case pugi::status_bad_pcdata:
            return "文字データが不正です";
        case pugi::status_bad_start_element:
            return "開始タグが不正です";
        case pugi::status_bad_attribute:
            return "属性が不正です";
        case pugi::status_bad_end_element:
            return "終了タグが不正です";
        case pugi::status_end_element_mismatch:
            return "開始タグと終了タグが対応していません";
        case pugi::status_no_document_element:
            return "ルート要素がありません";
        default:
            return "XMLとして読み込めません";
    }
}

void ParseXmlPart(pugi::xml_document& document, std::string_view bytes, std::string_view partName) {
    const unsigned options =
        pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!result) {
        throw SpreadsheetError("パーツ「" + std::string(partName) +
                               "」のXMLが正しくありません（先頭から" +
                               std::to_string(result.offset) +
                               "バイトの位置: " + ParseFaultText(result.status) + "）");
    }
}

namespace {

// Collects pugixml's output straight into a string.
struct StringWriter : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
    }
};

}  // namespace

std::string SerializeXml(const pugi::xml_document& document) {
    StringWriter writer;
    const bool hasDeclaration = document.first_child().type() == pugi::node_declaration;
    if (!hasDeclaration) writer.bytes = std::string(kXmlDeclaration) + "\r\n";
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(writer.bytes);
}

std::string NumberText(double value) {
    if (value == 0) return "0";  // no "-0"
    char text[32];
    const auto result = DoubleToChars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

pugi::xml_attribute ForceAttribute(pugi::xml_node node, const char* name) {
    pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? attribute : node.append_attribute(name);
}

pugi::xml_node ForceChild(pugi::xml_node node, const char* name) {
    pugi::xml_node child = node.child(name);
    return child ? child : node.append_child(name);
}

}  // namespace nubera::sheet
