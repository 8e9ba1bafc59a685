#include "spreadsheet/ooxml/package/checks/known_attributes.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace nubera::sheet {
namespace {

using Rules = std::vector<AttributeRule>;

AttributeRule Text(std::string_view name) {
    return {name, ValueKind::Text};
}
AttributeRule Flag(std::string_view name) {
    return {name, ValueKind::Boolean};
}
AttributeRule Whole(std::string_view name) {
    return {name, ValueKind::Unsigned};
}
AttributeRule Signed(std::string_view name) {
    return {name, ValueKind::Integer};
}
AttributeRule Number(std::string_view name) {
    return {name, ValueKind::Number};
}
AttributeRule OneOf(std::string_view name, std::span<const std::string_view> choices) {
    return {name, ValueKind::Choice, choices};
}

constexpr std::string_view kVisibility[] = {"visible", "hidden", "veryHidden"};
constexpr std::string_view kCalcMode[] = {"manual", "auto", "autoNoTable"};
constexpr std::string_view kRefMode[] = {"A1", "R1C1"};
constexpr std::string_view kShowObjects[] = {"all", "placeholders", "none"};
constexpr std::string_view kUpdateLinks[] = {"userSet", "never", "always"};
constexpr std::string_view kConformance[] = {"strict", "transitional"};
constexpr std::string_view kUnderline[] = {"single", "double", "singleAccounting",
                                           "doubleAccounting", "none"};
constexpr std::string_view kVerticalAlignRun[] = {"superscript", "subscript", "baseline"};
constexpr std::string_view kFontScheme[] = {"none", "major", "minor"};
constexpr std::string_view kPattern[] = {
    "none",           "solid",           "mediumGray",    "darkGray",  "lightGray",
    "darkHorizontal", "darkVertical",    "darkDown",      "darkUp",    "darkGrid",
    "darkTrellis",    "lightHorizontal", "lightVertical", "lightDown", "lightUp",
    "lightGrid",      "lightTrellis",    "gray125",       "gray0625"};
constexpr std::string_view kGradient[] = {"linear", "path"};
constexpr std::string_view kBorderStyle[] = {"none",
                                             "thin",
                                             "medium",
                                             "dashed",
                                             "dotted",
                                             "thick",
                                             "double",
                                             "hair",
                                             "mediumDashed",
                                             "dashDot",
                                             "mediumDashDot",
                                             "dashDotDot",
                                             "mediumDashDotDot",
                                             "slantDashDot"};
constexpr std::string_view kHorizontal[] = {
    "general", "left", "center", "right", "fill", "justify", "centerContinuous", "distributed"};
constexpr std::string_view kVertical[] = {"top", "center", "bottom", "justify", "distributed"};
constexpr std::string_view kPhoneticType[] = {"halfwidthKatakana", "fullwidthKatakana", "Hiragana",
                                              "noConversion"};
constexpr std::string_view kPhoneticAlignment[] = {"noControl", "left", "center", "distributed"};
constexpr std::string_view kSheetView[] = {"normal", "pageBreakPreview", "pageLayout"};
constexpr std::string_view kPane[] = {"bottomRight", "topRight", "bottomLeft", "topLeft"};
constexpr std::string_view kPaneState[] = {"split", "frozen", "frozenSplit"};
constexpr std::string_view kCellType[] = {"b", "d", "n", "e", "s", "str", "inlineStr"};
constexpr std::string_view kFormulaType[] = {"normal", "array", "dataTable", "shared"};
constexpr std::string_view kPageOrder[] = {"downThenOver", "overThenDown"};
constexpr std::string_view kOrientation[] = {"default", "portrait", "landscape"};
constexpr std::string_view kCellComments[] = {"none", "asDisplayed", "atEnd"};
constexpr std::string_view kPrintErrors[] = {"displayed", "blank", "dash", "NA"};
constexpr std::string_view kTargetMode[] = {"External", "Internal"};
constexpr std::string_view kEditAs[] = {"twoCell", "oneCell", "absolute"};
constexpr std::string_view kTextOverflow[] = {"overflow", "ellipsis", "clip"};
constexpr std::string_view kTextHorizontalOverflow[] = {"overflow", "clip"};
constexpr std::string_view kTextVertical[] = {
    "horz", "vert", "vert270", "wordArtVert", "eaVert", "mongolianVert", "wordArtVertRtl"};
constexpr std::string_view kTextWrap[] = {"none", "square"};
constexpr std::string_view kTextAnchor[] = {"t", "ctr", "b", "just", "dist"};
constexpr std::string_view kParagraphAlign[] = {"l",       "ctr",  "r",       "just",
                                                "justLow", "dist", "thaiDist"};
constexpr std::string_view kFontAlign[] = {"auto", "t", "ctr", "base", "b"};
constexpr std::string_view kTextUnderline[] = {
    "none",          "words",       "sng",          "dbl",        "heavy",
    "dotted",        "dottedHeavy", "dash",         "dashHeavy",  "dashLong",
    "dashLongHeavy", "dotDash",     "dotDashHeavy", "dotDotDash", "dotDotDashHeavy",
    "wavy",          "wavyHeavy",   "wavyDbl"};
constexpr std::string_view kTextStrike[] = {"noStrike", "sngStrike", "dblStrike"};
constexpr std::string_view kTextCaps[] = {"none", "small", "all"};
constexpr std::string_view kLineCap[] = {"rnd", "sq", "flat"};
constexpr std::string_view kCompoundLine[] = {"sng", "dbl", "thickThin", "thinThick", "tri"};
constexpr std::string_view kPenAlign[] = {"ctr", "in"};
constexpr std::string_view kPresetDash[] = {"solid",   "dot",        "dash",         "lgDash",
                                            "dashDot", "lgDashDot",  "lgDashDotDot", "sysDash",
                                            "sysDot",  "sysDashDot", "sysDashDotDot"};
constexpr std::string_view kLineEnd[] = {"none", "triangle", "stealth", "diamond", "oval", "arrow"};
constexpr std::string_view kLineEndSize[] = {"sm", "med", "lg"};
constexpr std::string_view kBlackWhiteMode[] = {"clr",     "auto",      "gray",      "ltGray",
                                                "invGray", "grayWhite", "blackGray", "blackWhite",
                                                "black",   "white",     "hidden"};
constexpr std::string_view kSchemeColor[] = {
    "bg1",     "tx1",   "bg2",      "tx2",   "accent1", "accent2", "accent3", "accent4", "accent5",
    "accent6", "hlink", "folHlink", "phClr", "dk1",     "lt1",     "dk2",     "lt2"};
constexpr std::string_view kShapeType[] = {"accentBorderCallout1",
                                           "accentBorderCallout2",
                                           "accentBorderCallout3",
                                           "accentCallout1",
                                           "accentCallout2",
                                           "accentCallout3",
                                           "actionButtonBackPrevious",
                                           "actionButtonBeginning",
                                           "actionButtonBlank",
                                           "actionButtonDocument",
                                           "actionButtonEnd",
                                           "actionButtonForwardNext",
                                           "actionButtonHelp",
                                           "actionButtonHome",
                                           "actionButtonInformation",
                                           "actionButtonMovie",
                                           "actionButtonReturn",
                                           "actionButtonSound",
                                           "arc",
                                           "bentArrow",
                                           "bentConnector2",
                                           "bentConnector3",
                                           "bentConnector4",
                                           "bentConnector5",
                                           "bentUpArrow",
                                           "bevel",
                                           "blockArc",
                                           "borderCallout1",
                                           "borderCallout2",
                                           "borderCallout3",
                                           "bracePair",
                                           "bracketPair",
                                           "callout1",
                                           "callout2",
                                           "callout3",
                                           "can",
                                           "chartPlus",
                                           "chartStar",
                                           "chartX",
                                           "chevron",
                                           "chord",
                                           "circularArrow",
                                           "cloud",
                                           "cloudCallout",
                                           "corner",
                                           "cornerTabs",
                                           "cube",
                                           "curvedConnector2",
                                           "curvedConnector3",
                                           "curvedConnector4",
                                           "curvedConnector5",
                                           "curvedDownArrow",
                                           "curvedLeftArrow",
                                           "curvedRightArrow",
                                           "curvedUpArrow",
                                           "decagon",
                                           "diagStripe",
                                           "diamond",
                                           "dodecagon",
                                           "donut",
                                           "doubleWave",
                                           "downArrow",
                                           "downArrowCallout",
                                           "ellipse",
                                           "ellipseRibbon",
                                           "ellipseRibbon2",
                                           "flowChartAlternateProcess",
                                           "flowChartCollate",
                                           "flowChartConnector",
                                           "flowChartDecision",
                                           "flowChartDelay",
                                           "flowChartDisplay",
                                           "flowChartDocument",
                                           "flowChartExtract",
                                           "flowChartInputOutput",
                                           "flowChartInternalStorage",
                                           "flowChartMagneticDisk",
                                           "flowChartMagneticDrum",
                                           "flowChartMagneticTape",
                                           "flowChartManualInput",
                                           "flowChartManualOperation",
                                           "flowChartMerge",
                                           "flowChartMultidocument",
                                           "flowChartOfflineStorage",
                                           "flowChartOffpageConnector",
                                           "flowChartOnlineStorage",
                                           "flowChartOr",
                                           "flowChartPredefinedProcess",
                                           "flowChartPreparation",
                                           "flowChartProcess",
                                           "flowChartPunchedCard",
                                           "flowChartPunchedTape",
                                           "flowChartSort",
                                           "flowChartSummingJunction",
                                           "flowChartTerminator",
                                           "foldedCorner",
                                           "frame",
                                           "funnel",
                                           "gear6",
                                           "gear9",
                                           "halfFrame",
                                           "heart",
                                           "heptagon",
                                           "hexagon",
                                           "homePlate",
                                           "horizontalScroll",
                                           "irregularSeal1",
                                           "irregularSeal2",
                                           "leftArrow",
                                           "leftArrowCallout",
                                           "leftBrace",
                                           "leftBracket",
                                           "leftCircularArrow",
                                           "leftRightArrow",
                                           "leftRightArrowCallout",
                                           "leftRightCircularArrow",
                                           "leftRightRibbon",
                                           "leftRightUpArrow",
                                           "leftUpArrow",
                                           "lightningBolt",
                                           "line",
                                           "lineInv",
                                           "mathDivide",
                                           "mathEqual",
                                           "mathMinus",
                                           "mathMultiply",
                                           "mathNotEqual",
                                           "mathPlus",
                                           "moon",
                                           "noSmoking",
                                           "nonIsoscelesTrapezoid",
                                           "notchedRightArrow",
                                           "octagon",
                                           "parallelogram",
                                           "pentagon",
                                           "pie",
                                           "pieWedge",
                                           "plaque",
                                           "plaqueTabs",
                                           "plus",
                                           "quadArrow",
                                           "quadArrowCallout",
                                           "rect",
                                           "ribbon",
                                           "ribbon2",
                                           "rightArrow",
                                           "rightArrowCallout",
                                           "rightBrace",
                                           "rightBracket",
                                           "round1Rect",
                                           "round2DiagRect",
                                           "round2SameRect",
                                           "roundRect",
                                           "rtTriangle",
                                           "smileyFace",
                                           "snip1Rect",
                                           "snip2DiagRect",
                                           "snip2SameRect",
                                           "snipRoundRect",
                                           "squareTabs",
                                           "star10",
                                           "star12",
                                           "star16",
                                           "star24",
                                           "star32",
                                           "star4",
                                           "star5",
                                           "star6",
                                           "star7",
                                           "star8",
                                           "straightConnector1",
                                           "stripedRightArrow",
                                           "sun",
                                           "swooshArrow",
                                           "teardrop",
                                           "trapezoid",
                                           "triangle",
                                           "upArrow",
                                           "upArrowCallout",
                                           "upDownArrow",
                                           "upDownArrowCallout",
                                           "uturnArrow",
                                           "verticalScroll",
                                           "wave",
                                           "wedgeEllipseCallout",
                                           "wedgeRectCallout",
                                           "wedgeRoundRectCallout"};

using Key = std::pair<std::string_view, std::string_view>;

// The vocabularies by their namespace names, filled as table[{ns, element}].
class Table {
  public:
    Rules& operator[](const Key& key) {
        return vocabularies_[key.first].elements[key.second].attributes;
    }
    const Vocabulary* Find(std::string_view ns) const {
        const auto found = vocabularies_.find(ns);
        return found == vocabularies_.end() ? nullptr : &found->second;
    }
    void MarkHoldingText(const Key& key) {
        const auto vocabulary = vocabularies_.find(key.first);
        if (vocabulary == vocabularies_.end()) return;
        const auto element = vocabulary->second.elements.find(key.second);
        if (element != vocabulary->second.elements.end()) element->second.holdsText = true;
    }

  private:
    std::unordered_map<std::string_view, Vocabulary> vocabularies_;
};

void AddPackage(Table& table) {
    table[{kContentTypesNamespace, "Types"}] = {};
    table[{kContentTypesNamespace, "Default"}] = {Text("Extension"), Text("ContentType")};
    table[{kContentTypesNamespace, "Override"}] = {Text("PartName"), Text("ContentType")};
    table[{kPackageRelationshipsNamespace, "Relationships"}] = {};
    table[{kPackageRelationshipsNamespace, "Relationship"}] = {
        Text("Id"), Text("Type"), Text("Target"), OneOf("TargetMode", kTargetMode)};
}

void AddWorkbook(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kSpreadsheetNamespace, element}] = std::move(rules);
    };
    add("workbook", {OneOf("conformance", kConformance)});
    add("fileVersion", {Text("appName"), Text("lastEdited"), Text("lowestEdited"), Text("rupBuild"),
                        Text("codeName")});
    add("workbookPr",
        {Flag("date1904"), Flag("dateCompatibility"), OneOf("showObjects", kShowObjects),
         Flag("showBorderUnselectedTables"), Flag("filterPrivacy"), Flag("promptedSolutions"),
         Flag("showInkAnnotation"), Flag("backupFile"), Flag("saveExternalLinkValues"),
         OneOf("updateLinks", kUpdateLinks), Text("codeName"), Flag("hidePivotFieldList"),
         Flag("showPivotChartFilter"), Flag("allowRefreshQuery"), Flag("publishItems"),
         Flag("checkCompatibility"), Flag("autoCompressPictures"), Flag("refreshAllConnections"),
         Whole("defaultThemeVersion")});
    add("bookViews", {});
    add("workbookView",
        {OneOf("visibility", kVisibility), Flag("minimized"), Flag("showHorizontalScroll"),
         Flag("showVerticalScroll"), Flag("showSheetTabs"), Signed("xWindow"), Signed("yWindow"),
         Whole("windowWidth"), Whole("windowHeight"), Whole("tabRatio"), Whole("firstSheet"),
         Whole("activeTab"), Flag("autoFilterDateGrouping")});
    add("sheets", {});
    add("sheet", {Text("name"), Whole("sheetId"), OneOf("state", kVisibility)});
    add("calcPr",
        {Whole("calcId"), OneOf("calcMode", kCalcMode), Flag("fullCalcOnLoad"),
         OneOf("refMode", kRefMode), Flag("iterate"), Whole("iterateCount"), Number("iterateDelta"),
         Flag("fullPrecision"), Flag("calcCompleted"), Flag("calcOnSave"), Flag("concurrentCalc"),
         Whole("concurrentManualCount"), Flag("forceFullCalc")});
    add("definedNames", {});
    add("definedName",
        {Text("name"), Text("comment"), Text("customMenu"), Text("description"), Text("help"),
         Text("statusBar"), Whole("localSheetId"), Flag("hidden"), Flag("function"),
         Flag("vbProcedure"), Flag("xlm"), Whole("functionGroupId"), Text("shortcutKey"),
         Flag("publishToServer"), Flag("workbookParameter")});
}

void AddStyles(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kSpreadsheetNamespace, element}] = std::move(rules);
    };
    add("styleSheet", {});
    for (std::string_view list : {"numFmts", "fonts", "fills", "borders", "cellStyleXfs", "cellXfs",
                                  "cellStyles", "dxfs"}) {
        add(list, {Whole("count")});
    }
    add("numFmt", {Whole("numFmtId"), Text("formatCode")});
    for (std::string_view empty :
         {"font", "fill", "dxf", "colors", "indexedColors", "mruColors", "rPr"}) {
        add(empty, {});
    }
    for (std::string_view flag : {"b", "i", "strike", "condense", "extend", "outline", "shadow"}) {
        add(flag, {Flag("val")});
    }
    add("u", {OneOf("val", kUnderline)});
    add("vertAlign", {OneOf("val", kVerticalAlignRun)});
    add("sz", {Number("val")});
    add("name", {Text("val")});
    add("rFont", {Text("val")});
    add("family", {Signed("val")});
    add("charset", {Signed("val")});
    add("scheme", {OneOf("val", kFontScheme)});
    for (std::string_view color : {"color", "fgColor", "bgColor", "tabColor"}) {
        add(color, {Flag("auto"),
                    Whole("indexed"),
                    {"rgb", ValueKind::ArgbColor},
                    Whole("theme"),
                    Number("tint")});
    }
    add("rgbColor", {{"rgb", ValueKind::ArgbColor}});
    add("patternFill", {OneOf("patternType", kPattern)});
    add("gradientFill", {OneOf("type", kGradient), Number("degree"), Number("left"),
                         Number("right"), Number("top"), Number("bottom")});
    add("stop", {Number("position")});
    add("border", {Flag("diagonalUp"), Flag("diagonalDown"), Flag("outline")});
    for (std::string_view edge :
         {"left", "right", "top", "bottom", "diagonal", "vertical", "horizontal", "start", "end"}) {
        add(edge, {OneOf("style", kBorderStyle)});
    }
    add("xf",
        {Whole("numFmtId"), Whole("fontId"), Whole("fillId"), Whole("borderId"), Whole("xfId"),
         Flag("quotePrefix"), Flag("pivotButton"), Flag("applyNumberFormat"), Flag("applyFont"),
         Flag("applyFill"), Flag("applyBorder"), Flag("applyAlignment"), Flag("applyProtection")});
    add("alignment",
        {OneOf("horizontal", kHorizontal), OneOf("vertical", kVertical), Whole("textRotation"),
         Flag("wrapText"), Whole("indent"), Signed("relativeIndent"), Flag("justifyLastLine"),
         Flag("shrinkToFit"), Whole("readingOrder")});
    add("protection", {Flag("locked"), Flag("hidden")});
    add("cellStyle", {Text("name"), Whole("xfId"), Whole("builtinId"), Whole("iLevel"),
                      Flag("hidden"), Flag("customBuiltin")});
    add("tableStyles", {Whole("count"), Text("defaultTableStyle"), Text("defaultPivotStyle")});
}

void AddSharedStrings(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kSpreadsheetNamespace, element}] = std::move(rules);
    };
    add("sst", {Whole("count"), Whole("uniqueCount")});
    for (std::string_view empty : {"si", "r", "t"}) add(empty, {});
    add("rPh", {Whole("sb"), Whole("eb")});
    add("phoneticPr",
        {Whole("fontId"), OneOf("type", kPhoneticType), OneOf("alignment", kPhoneticAlignment)});
}

void AddWorksheet(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kSpreadsheetNamespace, element}] = std::move(rules);
    };
    for (std::string_view empty :
         {"worksheet", "sheetViews", "cols", "sheetData", "v", "is", "oddHeader", "oddFooter",
          "evenHeader", "evenFooter", "firstHeader", "firstFooter", "drawing", "legacyDrawing"}) {
        add(empty, {});
    }
    add("sheetPr",
        {Flag("syncHorizontal"), Flag("syncVertical"), Text("syncRef"),
         Flag("transitionEvaluation"), Flag("transitionEntry"), Flag("published"), Text("codeName"),
         Flag("filterMode"), Flag("enableFormatConditionsCalculation")});
    add("outlinePr", {Flag("applyStyles"), Flag("summaryBelow"), Flag("summaryRight"),
                      Flag("showOutlineSymbols")});
    add("pageSetUpPr", {Flag("autoPageBreaks"), Flag("fitToPage")});
    add("dimension", {{"ref", ValueKind::RangeReference}});
    add("sheetView", {Flag("windowProtection"),
                      Flag("showFormulas"),
                      Flag("showGridLines"),
                      Flag("showRowColHeaders"),
                      Flag("showZeros"),
                      Flag("rightToLeft"),
                      Flag("tabSelected"),
                      Flag("showRuler"),
                      Flag("showOutlineSymbols"),
                      Flag("defaultGridColor"),
                      Flag("showWhiteSpace"),
                      OneOf("view", kSheetView),
                      {"topLeftCell", ValueKind::CellReference},
                      Whole("colorId"),
                      Whole("zoomScale"),
                      Whole("zoomScaleNormal"),
                      Whole("zoomScaleSheetLayoutView"),
                      Whole("zoomScalePageLayoutView"),
                      Whole("workbookViewId")});
    add("pane", {Number("xSplit"),
                 Number("ySplit"),
                 {"topLeftCell", ValueKind::CellReference},
                 OneOf("activePane", kPane),
                 OneOf("state", kPaneState)});
    add("selection", {OneOf("pane", kPane),
                      {"activeCell", ValueKind::CellReference},
                      Whole("activeCellId"),
                      {"sqref", ValueKind::RangeReferenceList}});
    add("sheetFormatPr",
        {Whole("baseColWidth"), Number("defaultColWidth"), Number("defaultRowHeight"),
         Flag("customHeight"), Flag("zeroHeight"), Flag("thickTop"), Flag("thickBottom"),
         Whole("outlineLevelRow"), Whole("outlineLevelCol")});
    add("col", {Whole("min"), Whole("max"), Number("width"), Whole("style"), Flag("hidden"),
                Flag("bestFit"), Flag("customWidth"), Flag("phonetic"), Whole("outlineLevel"),
                Flag("collapsed")});
    add("row", {Whole("r"), Text("spans"), Whole("s"), Flag("customFormat"), Number("ht"),
                Flag("hidden"), Flag("customHeight"), Whole("outlineLevel"), Flag("collapsed"),
                Flag("thickTop"), Flag("thickBot"), Flag("ph")});
    add("c", {{"r", ValueKind::CellReference},
              Whole("s"),
              OneOf("t", kCellType),
              Whole("cm"),
              Whole("vm"),
              Flag("ph")});
    add("f", {OneOf("t", kFormulaType),
              Flag("aca"),
              {"ref", ValueKind::RangeReference},
              Flag("dt2D"),
              Flag("dtr"),
              Flag("del1"),
              Flag("del2"),
              Text("r1"),
              Text("r2"),
              Flag("ca"),
              Whole("si"),
              Flag("bx")});
    add("mergeCells", {Whole("count")});
    add("mergeCell", {{"ref", ValueKind::RangeReference}});
    add("printOptions", {Flag("horizontalCentered"), Flag("verticalCentered"), Flag("headings"),
                         Flag("gridLines"), Flag("gridLinesSet")});
    add("pageMargins", {Number("left"), Number("right"), Number("top"), Number("bottom"),
                        Number("header"), Number("footer")});
    add("pageSetup", {Whole("paperSize"), Text("paperHeight"), Text("paperWidth"), Whole("scale"),
                      Whole("firstPageNumber"), Whole("fitToWidth"), Whole("fitToHeight"),
                      OneOf("pageOrder", kPageOrder), OneOf("orientation", kOrientation),
                      Flag("usePrinterDefaults"), Flag("blackAndWhite"), Flag("draft"),
                      OneOf("cellComments", kCellComments), Flag("useFirstPageNumber"),
                      OneOf("errors", kPrintErrors), Whole("horizontalDpi"), Whole("verticalDpi"),
                      Whole("copies")});
    add("headerFooter", {Flag("differentOddEven"), Flag("differentFirst"), Flag("scaleWithDoc"),
                         Flag("alignWithMargins")});
    for (std::string_view breaks : {"rowBreaks", "colBreaks"}) {
        add(breaks, {Whole("count"), Whole("manualBreakCount")});
    }
    add("brk", {Whole("id"), Whole("min"), Whole("max"), Flag("man"), Flag("pt")});
}

void AddSheetDrawing(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kSheetDrawingNamespace, element}] = std::move(rules);
    };
    for (std::string_view empty : {"wsDr", "oneCellAnchor", "absoluteAnchor", "from", "to",
                                   "nvSpPr", "nvCxnSpPr", "cNvCxnSpPr", "txBody", "style"}) {
        add(empty, {});
    }
    add("twoCellAnchor", {OneOf("editAs", kEditAs)});
    add("pos", {Signed("x"), Signed("y")});
    add("ext", {Signed("cx"), Signed("cy")});
    add("sp", {Text("macro"), Text("textlink"), Flag("fLocksText"), Flag("fPublished")});
    add("cxnSp", {Text("macro"), Flag("fPublished")});
    add("cNvPr", {Whole("id"), Text("name"), Text("descr"), Flag("hidden"), Text("title")});
    add("cNvSpPr", {Flag("txBox")});
    add("spPr", {OneOf("bwMode", kBlackWhiteMode)});
    add("clientData", {Flag("fLocksWithSheet"), Flag("fPrintsWithSheet")});
}

void AddDrawing(Table& table) {
    const auto add = [&table](std::string_view element, Rules rules) {
        table[{kDrawingNamespace, element}] = std::move(rules);
    };
    for (std::string_view empty : {"avLst", "solidFill", "noFill", "lstStyle", "p", "r", "t"}) {
        add(empty, {});
    }
    add("xfrm", {Signed("rot"), Flag("flipH"), Flag("flipV")});
    add("off", {Signed("x"), Signed("y")});
    // In an extension list the same name carries the extension's identifier.
    add("ext", {Signed("cx"), Signed("cy"), Text("uri")});
    add("prstGeom", {OneOf("prst", kShapeType)});
    add("ln", {Signed("w"), OneOf("cap", kLineCap), OneOf("cmpd", kCompoundLine),
               OneOf("algn", kPenAlign)});
    add("srgbClr", {{"val", ValueKind::RgbColor}});
    add("schemeClr", {OneOf("val", kSchemeColor)});
    add("prstDash", {OneOf("val", kPresetDash)});
    for (std::string_view end : {"headEnd", "tailEnd"}) {
        add(end, {OneOf("type", kLineEnd), OneOf("w", kLineEndSize), OneOf("len", kLineEndSize)});
    }
    add("bodyPr", {Signed("rot"), Flag("spcFirstLastPara"), OneOf("vertOverflow", kTextOverflow),
                   OneOf("horzOverflow", kTextHorizontalOverflow), OneOf("vert", kTextVertical),
                   OneOf("wrap", kTextWrap), Signed("lIns"), Signed("tIns"), Signed("rIns"),
                   Signed("bIns"), Whole("numCol"), Signed("spcCol"), Flag("rtlCol"),
                   Flag("fromWordArt"), OneOf("anchor", kTextAnchor), Flag("anchorCtr"),
                   Flag("forceAA"), Flag("upright"), Flag("compatLnSpc")});
    add("pPr", {Signed("marL"), Signed("marR"), Whole("lvl"), Signed("indent"),
                OneOf("algn", kParagraphAlign), Signed("defTabSz"), Flag("rtl"), Flag("eaLnBrk"),
                OneOf("fontAlgn", kFontAlign), Flag("latinLnBrk"), Flag("hangingPunct")});
    for (std::string_view run : {"rPr", "endParaRPr", "defRPr"}) {
        add(run, {Flag("kumimoji"), Text("lang"), Text("altLang"), Whole("sz"), Flag("b"),
                  Flag("i"), OneOf("u", kTextUnderline), OneOf("strike", kTextStrike),
                  Whole("kern"), OneOf("cap", kTextCaps), Signed("spc"), Flag("normalizeH"),
                  Signed("baseline"), Flag("noProof"), Flag("dirty"), Flag("err"), Flag("smtClean"),
                  Whole("smtId"), Text("bmk")});
    }
    for (std::string_view font : {"latin", "ea", "cs", "sym"}) {
        add(font, {Text("typeface"), Text("panose"), Signed("pitchFamily"), Signed("charset")});
    }
}

// The elements that hold text of their own (a cell value, a formula, a
// run's text); the others hold only elements, and a reader that maps them
// finds nothing it knows in text.
void AddHoldingText(Table& table) {
    static const Key withText[] = {{kSpreadsheetNamespace, "t"},
                                   {kSpreadsheetNamespace, "v"},
                                   {kSpreadsheetNamespace, "f"},
                                   {kSpreadsheetNamespace, "definedName"},
                                   {kSpreadsheetNamespace, "oddHeader"},
                                   {kSpreadsheetNamespace, "oddFooter"},
                                   {kSpreadsheetNamespace, "evenHeader"},
                                   {kSpreadsheetNamespace, "evenFooter"},
                                   {kSpreadsheetNamespace, "firstHeader"},
                                   {kSpreadsheetNamespace, "firstFooter"},
                                   {kDrawingNamespace, "t"}};
    for (const Key& key : withText) table.MarkHoldingText(key);
}

const Table& Known() {
    static const Table table = [] {
        Table built;
        AddPackage(built);
        AddWorkbook(built);
        AddStyles(built);
        AddSharedStrings(built);
        AddWorksheet(built);
        AddSheetDrawing(built);
        AddDrawing(built);
        AddHoldingText(built);
        return built;
    }();
    return table;
}

}  // namespace

const Vocabulary* VocabularyOf(std::string_view ns) {
    return Known().Find(ns);
}

const ElementRules* KnownElement(const Vocabulary& vocabulary, std::string_view element) {
    const auto found = vocabulary.elements.find(element);
    return found == vocabulary.elements.end() ? nullptr : &found->second;
}

}  // namespace nubera::sheet
