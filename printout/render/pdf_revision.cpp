#include "printout/render/pdf_revision.h"

#include <QRegularExpression>
#include <map>
#include <optional>

namespace nubera::printout {
namespace {

// Where the cross-reference table puts each object, and what its trailer says.
struct CrossReference {
    qsizetype position = 0;  // of the table itself
    std::map<int, qsizetype> offsets;
    int size = 0;
    QString root;  // "2 0 R"
    std::optional<int> information;
};

QString Captured(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern).match(text).captured(1);
}

// The table's entries: "xref", then subsections of a first number, a count
// and that many entries of offset, generation and n or f.
bool ReadEntries(const QString& table, CrossReference& xref) {
    const QStringList tokens =
        table.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (tokens.isEmpty() || tokens[0] != QLatin1String("xref")) return false;
    for (qsizetype at = 1; at + 1 < tokens.size();) {
        bool firstOk = false, countOk = false;
        const int first = tokens[at].toInt(&firstOk);
        const int count = tokens[at + 1].toInt(&countOk);
        at += 2;
        if (!firstOk || !countOk || count < 0 || at + 3 * qsizetype{count} > tokens.size()) {
            return false;
        }
        for (int i = 0; i < count; ++i, at += 3) {
            if (tokens[at + 2] == QLatin1String("n")) {
                xref.offsets[first + i] = tokens[at].toLongLong();
            }
        }
    }
    return true;
}

std::optional<CrossReference> ReadCrossReference(const QByteArray& pdf) {
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (start < 0) return std::nullopt;
    CrossReference xref;
    bool ok = false;
    xref.position = QString::fromLatin1(pdf.mid(start + 9, 24))
                        .trimmed()
                        .section('\n', 0, 0)
                        .trimmed()
                        .toLongLong(&ok);
    if (!ok || xref.position <= 0 || xref.position >= start) return std::nullopt;
    const QString tail = QString::fromLatin1(pdf.mid(xref.position, start - xref.position));
    const qsizetype trailerAt = tail.indexOf(QLatin1String("trailer"));
    if (trailerAt < 0 || !ReadEntries(tail.left(trailerAt), xref)) return std::nullopt;
    const QString trailer = tail.mid(trailerAt);
    // An update on an update, or an encrypted file, is not what Qt writes.
    if (trailer.contains(QLatin1String("/Prev")) || trailer.contains(QLatin1String("/Encrypt"))) {
        return std::nullopt;
    }
    xref.size = Captured(trailer, QStringLiteral("/Size\\s+(\\d+)")).toInt();
    xref.root = Captured(trailer, QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    const QString information = Captured(trailer, QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    if (!information.isEmpty()) xref.information = information.toInt();
    if (xref.size <= 0 || xref.root.isEmpty()) return std::nullopt;
    return xref;
}

// Where object `number` lies in `pdf`, from "N 0 obj" to before "endobj";
// empty when the table does not hold it or it is not there.
QByteArrayView ObjectView(const QByteArray& pdf, const CrossReference& xref, int number) {
    const auto found = xref.offsets.find(number);
    if (found == xref.offsets.end() || found->second < 0 || found->second > pdf.size()) return {};
    const QByteArrayView object = QByteArrayView(pdf).sliced(found->second);
    if (!object.startsWith(QByteArray::number(number) + " 0 obj")) return {};
    const qsizetype end = object.indexOf("endobj");
    return end < 0 ? QByteArrayView() : object.first(end);
}

// An object's dictionary as text: the object before any stream. Only the
// dictionary is copied: the streams are most of the file.
QString DictionaryOf(QByteArrayView object) {
    const qsizetype stream = object.indexOf("stream");
    return QString::fromLatin1(stream < 0 ? object : object.first(stream));
}

std::optional<int> Reference(const QString& dictionary, const char* key) {
    const QString number = Captured(
        dictionary, QStringLiteral("/%1\\s*\\[?\\s*(\\d+)\\s+0\\s+R").arg(QLatin1String(key)));
    if (number.isEmpty()) return std::nullopt;
    return number.toInt();
}

QString Name(const QString& dictionary, const char* key) {
    return Captured(dictionary,
                    QStringLiteral("/%1\\s*/([^\\s/<>\\[\\]()]+)").arg(QLatin1String(key)));
}

// The subset tag ("QQCAAA") of a font name that has one.
QString SubsetTag(const QString& fontName) {
    return Captured(fontName, QStringLiteral("^([A-Z]{6})\\+"));
}

// The tagged names of the CIDFonts whose base font lacks their descriptor's
// tag, then of the composite fonts whose descendant is one of them.
std::map<int, QString> TaggedFontNames(const QByteArray& pdf, const CrossReference& xref) {
    std::map<int, QString> tagged;
    std::map<int, QString> composite;
    for (const auto& [number, offset] : xref.offsets) {
        const QString dictionary = DictionaryOf(ObjectView(pdf, xref, number));
        // Most objects are pages and streams: no font name to read.
        if (!dictionary.contains(QLatin1String("/BaseFont"))) continue;
        const QString base = Name(dictionary, "BaseFont");
        if (base.isEmpty() || !SubsetTag(base).isEmpty()) continue;
        if (dictionary.contains(QLatin1String("/Subtype /CIDFontType2")) ||
            dictionary.contains(QLatin1String("/Subtype /CIDFontType0"))) {
            const auto descriptor = Reference(dictionary, "FontDescriptor");
            if (!descriptor) continue;
            const QString name = Name(DictionaryOf(ObjectView(pdf, xref, *descriptor)), "FontName");
            const QString tag = SubsetTag(name);
            if (!tag.isEmpty() && name.mid(tag.size() + 1) == base) tagged[number] = name;
        } else if (dictionary.contains(QLatin1String("/Subtype /Type0"))) {
            composite[number] = base;
        }
    }
    for (const auto& [number, base] : composite) {
        const auto descendant =
            Reference(DictionaryOf(ObjectView(pdf, xref, number)), "DescendantFonts");
        if (!descendant) continue;
        const auto found = tagged.find(*descendant);
        if (found != tagged.end() && found->second.endsWith(QLatin1Char('+') + base)) {
            tagged[number] = found->second;
        }
    }
    return tagged;
}

QByteArray Renamed(QByteArray object, const QString& name) {
    const qsizetype key = object.indexOf("/BaseFont");
    const qsizetype slash = object.indexOf('/', key + 9);
    const QString tag = SubsetTag(name);
    object.insert(slash + 1, tag.toLatin1() + '+');
    return object;
}

// A text string in UTF-16 with its byte-order mark, as hex.
QByteArray TextString(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text) {
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return hex + '>';
}

QByteArray InformationObject(int number, const PdfInformation& information,
                             const QString& previous) {
    QByteArray object = QByteArray::number(number) + " 0 obj\n<<\n/Title " +
                        TextString(information.title) + "\n/Author " +
                        TextString(information.author) + "\n/Creator " +
                        TextString(information.creator);
    // The writer's own entries stay: a string in parentheses, escapes kept.
    for (const char* key : {"Producer", "CreationDate"}) {
        const QString value = Captured(
            previous, QStringLiteral("/%1\\s*(\\((?:[^\\\\)]|\\\\.)*\\))").arg(QLatin1String(key)));
        if (!value.isEmpty()) object += "\n/" + QByteArray(key) + ' ' + value.toLatin1();
    }
    return object + "\n>>\n";
}

}  // namespace

bool ReviseNamesAndInformation(QByteArray& pdf, const PdfInformation& information) {
    const std::optional<CrossReference> xref = ReadCrossReference(pdf);
    if (!xref) return false;
    std::map<int, QByteArray> objects;
    for (const auto& [number, name] : TaggedFontNames(pdf, *xref)) {
        objects[number] = Renamed(ObjectView(pdf, *xref, number).toByteArray(), name);
    }
    const int informationNumber = xref->information.value_or(xref->size);
    const QString previous =
        xref->information ? DictionaryOf(ObjectView(pdf, *xref, informationNumber)) : QString();
    objects[informationNumber] = InformationObject(informationNumber, information, previous);

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::map<int, qsizetype> written;
    for (const auto& [number, object] : objects) {
        written[number] = pdf.size() + update.size();
        update += object + "endobj\n";
    }
    const qsizetype table = pdf.size() + update.size();
    update += "xref\n";
    for (const auto& [number, offset] : written) {
        update += QByteArray::number(number) + " 1\n" +
                  QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    const int size = std::max(xref->size, informationNumber + 1);
    update += "trailer\n<<\n/Size " + QByteArray::number(size) + "\n/Root " +
              xref->root.toLatin1() + "\n/Info " + QByteArray::number(informationNumber) +
              " 0 R\n/Prev " + QByteArray::number(xref->position) + "\n>>\nstartxref\n" +
              QByteArray::number(table) + "\n%%EOF\n";
    pdf += update;
    return true;
}

}  // namespace nubera::printout
