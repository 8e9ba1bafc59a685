#include "spreadsheet/ooxml/drawing/text_body.h"

#include "spreadsheet/ooxml/package/xml_part.h"

namespace nubera::sheet {
namespace {

std::string ParagraphText(const pugi::xml_node& paragraph) {
    std::string text;
    for (pugi::xml_node part : paragraph.children()) {
        const std::string_view name = part.name();
        if (name == "a:r" || name == "a:fld") text += part.child("a:t").text().get();
        if (name == "a:br") text += '\n';
    }
    return text;
}

// The body of a text box, created with an empty paragraph when it has none.
pugi::xml_node ForceTextBody(pugi::xml_node shape) {
    if (pugi::xml_node body = shape.child("xdr:txBody")) return body;
    pugi::xml_node body = shape.append_child("xdr:txBody");
    body.append_child("a:bodyPr");
    body.append_child("a:lstStyle");
    body.append_child("a:p");
    return body;
}

// The formats the new paragraphs take over from the first one.
struct ParagraphFormat {
    pugi::xml_document paragraph;  // a:pPr
    pugi::xml_document run;        // a:rPr
    pugi::xml_document end;        // a:endParaRPr
};

void KeepFormat(const pugi::xml_node& body, ParagraphFormat& format) {
    const pugi::xml_node first = body.child("a:p");
    format.paragraph.append_copy(first.child("a:pPr"));
    format.end.append_copy(first.child("a:endParaRPr"));
    pugi::xml_node runProperties = first.child("a:r").child("a:rPr");
    if (!runProperties) runProperties = first.child("a:endParaRPr");
    if (runProperties) format.run.append_copy(runProperties).set_name("a:rPr");
}

// Write one <a:p> holding `line` as a single run.
void AppendParagraph(pugi::xml_node body, std::string_view line, const ParagraphFormat& format) {
    pugi::xml_node paragraph = body.append_child("a:p");
    if (format.paragraph.first_child()) paragraph.append_copy(format.paragraph.first_child());
    if (!line.empty()) {
        pugi::xml_node run = paragraph.append_child("a:r");
        if (format.run.first_child()) run.append_copy(format.run.first_child());
        run.append_child("a:t").text() = std::string(line).c_str();
    }
    if (format.end.first_child()) paragraph.append_copy(format.end.first_child());
}

}  // namespace

std::string TextBodyText(const pugi::xml_node& shape) {
    std::string text;
    bool first = true;
    for (pugi::xml_node paragraph : shape.child("xdr:txBody").children("a:p")) {
        if (!first) text += '\n';
        text += ParagraphText(paragraph);
        first = false;
    }
    return text;
}

void SetTextBodyText(pugi::xml_node shape, std::string_view text) {
    pugi::xml_node body = ForceTextBody(shape);
    ParagraphFormat format;
    KeepFormat(body, format);
    while (body.remove_child("a:p")) {
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        AppendParagraph(body, text.substr(start, end - start), format);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

}  // namespace nubera::sheet
