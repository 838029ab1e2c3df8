// SPDX-License-Identifier: MIT

#include "app/project_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <nlohmann/json.hpp>

namespace pali {

namespace {

using Json = nlohmann::json;

// Every field of the project state, in the order it is declared and written.
// Writing and reading both walk this one list, so no field can be kept by one
// and forgotten by the other.
template <class State, class Visit>
void ForEachStateField(State& state, Visit&& visit)
{
    visit("ANG", state.ANG);
    visit("LUNG", state.LUNG);
    visit("PESO", state.PESO);
    visit("ANGRAD", state.ANGRAD);
    visit("KLAT", state.KLAT);
    visit("TGANG", state.TGANG);
    visit("QPUNTA", state.QPUNTA);
    visit("QLAT", state.QLAT);
    visit("COEFGR", state.COEFGR);
    visit("NSTRATO", state.NSTRATO);
    visit("JSTRATO", state.JSTRATO);
    visit("KSTRATO", state.KSTRATO);
}

constexpr std::string_view kDataKey = "dati_progetto";

// ---- Writing ----------------------------------------------------------------

std::string Indent(int depth)
{
    return std::string(static_cast<std::size_t>(2 * depth), ' ');
}

// An object or array whose items each stand on a line of their own.
std::string Block(char open, const std::vector<std::string>& items, char close, int depth)
{
    std::string text(1, open);
    text += '\n';
    for (std::size_t index = 0; index < items.size(); ++index) {
        text += Indent(depth + 1);
        text += items[index];
        text += index + 1 < items.size() ? ",\n" : "\n";
    }
    text += Indent(depth);
    text += close;
    return text;
}

std::string Quoted(std::string_view text)
{
    // The window only ever holds valid UTF-8; should a byte not be, it is
    // written as U+FFFD rather than failing the save.
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Member(std::string_view key, const std::string& value)
{
    return Quoted(key) + ": " + value;
}

// The shortest text that reads back to the same bits, always with a point or
// an exponent, so that a real never reads back as an integer.
std::string ValueText(double real)
{
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), real);
    std::string text(buffer.data(), written.ptr);
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
    return text;
}

std::string ValueText(std::int16_t integer)
{
    return std::to_string(integer);
}

std::string ValueText(const ValueCell& cell)
{
    if (cell.IsEmpty()) {
        return "null";
    }
    return cell.IsInteger() ? ValueText(cell.IntegerValue()) : ValueText(cell.RealValue());
}

template <class Cell>
std::string ValueText(const LayerColumn<Cell>& column)
{
    std::vector<std::string> rows;
    for (std::int32_t row = kFirstLayerRow; row <= kLastLayerRow; ++row) {
        rows.push_back(ValueText(column[row]));
    }
    return Block('[', rows, ']', 2);
}

std::string BoxesText(const FormContents& form)
{
    std::vector<std::string> boxes;
    for (Box box : kAllBoxes) {
        boxes.push_back(Member(BoxName(box), Quoted(form[box])));
    }
    return Block('{', boxes, '}', 1);
}

std::string StateText(const ProjectState& state)
{
    std::vector<std::string> fields;
    ForEachStateField(
        state, [&fields](std::string_view key, const auto& value) { fields.push_back(Member(key, ValueText(value))); });
    return Block('{', fields, '}', 1);
}

std::string DataText(const ProjectData& data)
{
    std::vector<std::string> fields;
    for (const ProjectDataField& field : kProjectDataFields) {
        fields.push_back(Member(field.key, Quoted(data.*field.text)));
    }
    return Block('{', fields, '}', 1);
}

// ---- Reading ----------------------------------------------------------------

// A real's token as the file wrote it. nlohmann-json's lexer hands on the
// token with the C library's decimal point in place of the file's "." (it
// prepares the text for strtod), so under a decimal comma "0.5" arrives as
// "0,5". The lexer has already checked the JSON grammar, in which the only
// character that is neither a digit, a sign nor an exponent mark is the
// decimal point.
std::string JsonNotation(std::string token)
{
    for (char& character : token) {
        const bool partOfJsonNumber = (character >= '0' && character <= '9') || character == '-' || character == '+' ||
                                      character == 'e' || character == 'E';
        if (!partOfJsonNumber) {
            character = '.';
        }
    }
    return token;
}

// The parser as nlohmann-json builds its document, with two changes: reals
// are read from their text by the program's own conversion, the same on every
// system and under every locale, instead of the C library's, which follows the
// locale and may round differently from system to system; and the place of
// the first error is kept.
class ProjectParser : public nlohmann::detail::json_sax_dom_parser<Json> {
public:
    explicit ProjectParser(Json& root) : json_sax_dom_parser(root, true) {}

    bool number_float(double /*rounded elsewhere*/, const std::string& token)
    {
        const std::string text = JsonNotation(token);
        double real = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), real);
        if (error != std::errc() || end != text.data() + text.size()) {
            // Beyond the range of a double: refused where its field is read.
            real = std::numeric_limits<double>::infinity();
        }
        return json_sax_dom_parser::number_float(real, text);
    }

    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error)
    {
        errorPosition = position;
        return json_sax_dom_parser::parse_error(position, token, error);
    }

    std::size_t errorPosition = 0;
};

// Where the parser stopped, as an editor counts lines and columns.
std::string Place(std::string_view bytes, std::size_t position)
{
    const std::string_view before = bytes.substr(0, position > 0 ? position - 1 : 0);
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    const auto lines = std::count(before.begin(), before.end(), '\n');
    return "alla riga " + std::to_string(lines + 1) + ", colonna " + std::to_string(before.size() - lineStart + 1);
}

std::string SyntaxProblem(std::string_view bytes, std::size_t position, std::string_view message)
{
    if (bytes.empty()) {
        return "il file è vuoto";
    }
    if (message.find("UTF-8") != std::string_view::npos) {
        return "il testo non è UTF-8 valido " + Place(bytes, position);
    }
    if (message.find("number overflow") != std::string_view::npos) {
        return "un numero non è un reale finito " + Place(bytes, position);
    }
    if (position >= bytes.size()) {
        return "il file è troncato: finisce " + Place(bytes, position);
    }
    return "il file è danneggiato: errore di sintassi JSON " + Place(bytes, position);
}

Json Parse(std::string_view bytes)
{
    Json document;
    ProjectParser parser(document);
    try {
        Json::sax_parse(bytes, &parser);
    } catch (const Json::exception& error) {
        throw ProjectFileError(SyntaxProblem(bytes, parser.errorPosition, error.what()));
    }
    return document;
}

[[noreturn]] void WrongKind(const std::string& path, std::string_view expected)
{
    throw ProjectFileError("il campo «" + path + "» non è " + std::string(expected));
}

const Json& Field(const Json& object, const std::string& path, std::string_view key)
{
    const std::string keyPath = path.empty() ? std::string(key) : path + "." + std::string(key);
    const auto found = object.find(key);
    if (found == object.end()) {
        throw ProjectFileError("manca il campo «" + keyPath + "»");
    }
    return *found;
}

const Json& Object(const Json& json, const std::string& path)
{
    if (!json.is_object()) {
        WrongKind(path, "un oggetto JSON");
    }
    return json;
}

// A whole number within [low, high], or the field's problem.
std::int64_t WholeNumber(const Json& json, const std::string& path, std::int64_t low, std::int64_t high,
                         std::string_view expected)
{
    if (!json.is_number_integer()) {
        WrongKind(path, expected);
    }
    const bool inRange = json.is_number_unsigned()
                             ? json.get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                             : json.get<std::int64_t>() >= low && json.get<std::int64_t>() <= high;
    if (!inRange) {
        throw ProjectFileError("il campo «" + path + "» è fuori dall'intervallo di " + std::string(expected));
    }
    return json.get<std::int64_t>();
}

void Read(const Json& json, const std::string& path, std::int16_t& integer)
{
    integer = static_cast<std::int16_t>(WholeNumber(json, path, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max(),
                                                    "un intero a 16 bit (da -32768 a 32767)"));
}

void Read(const Json& json, const std::string& path, double& real)
{
    if (!json.is_number_float()) {
        WrongKind(path, "un numero reale");
    }
    real = json.get<double>();
    if (!std::isfinite(real)) {
        WrongKind(path, "un numero reale finito");
    }
}

void Read(const Json& json, const std::string& path, ValueCell& cell)
{
    if (json.is_null()) {
        cell = ValueCell();
    } else if (json.is_number_integer()) {
        std::int16_t integer = 0;
        Read(json, path, integer);
        cell = ValueCell::Integer(integer);
    } else if (json.is_number_float()) {
        double real = 0.0;
        Read(json, path, real);
        cell = ValueCell(real);
    } else {
        WrongKind(path, "vuoto (null), un intero a 16 bit o un numero reale");
    }
}

template <class Cell>
void Read(const Json& json, const std::string& path, LayerColumn<Cell>& column)
{
    constexpr std::size_t kRows = kLastLayerRow - kFirstLayerRow + 1;
    if (!json.is_array() || json.size() != kRows) {
        WrongKind(path, "un elenco di " + std::to_string(kRows) + " valori, uno per riga da 0 a 20");
    }
    for (std::int32_t row = kFirstLayerRow; row <= kLastLayerRow; ++row) {
        Read(json[static_cast<std::size_t>(row)], path + "[" + std::to_string(row) + "]", column[row]);
    }
}

void CheckFormat(const Json& document)
{
    const auto format = document.find("formato");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != kProjectFormat) {
        throw ProjectFileError("non è un progetto di Portanza dei pali");
    }
    const Json& version = Field(document, "", "versione");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1) {
        WrongKind("versione", "un numero di versione");
    }
    if (version.is_number_unsigned() && version.get<std::uint64_t>() > kProjectVersion) {
        throw ProjectFileError("è stato scritto da una versione più recente del programma (formato versione " +
                               version.dump() + "): per aprirlo serve una versione più recente di Portanza dei pali");
    }
}

FormContents ReadForm(const Json& document)
{
    FormContents form;
    const Json& boxes = Object(Field(document, "", "caselle"), "caselle");
    for (Box box : kAllBoxes) {
        const Json& text = Field(boxes, "caselle", BoxName(box));
        if (!text.is_string()) {
            WrongKind("caselle." + std::string(BoxName(box)), "un testo");
        }
        form[box] = text.get<std::string>();
    }
    form.selectedCombination =
        static_cast<int>(WholeNumber(Field(document, "", "combinazione"), "combinazione", 0, 2, "0, 1 o 2"));
    return form;
}

ProjectState ReadState(const Json& document)
{
    ProjectState state;
    const Json& fields = Object(Field(document, "", "stato"), "stato");
    ForEachStateField(state, [&fields](std::string_view key, auto& value) {
        Read(Field(fields, "stato", key), "stato." + std::string(key), value);
    });
    return state;
}

// Older files have no verticals: the box opens empty.
std::string ReadVerticals(const Json& document)
{
    const auto verticals = document.find("verticali");
    if (verticals == document.end()) {
        return {};
    }
    if (!verticals->is_string()) {
        WrongKind("verticali", "un testo");
    }
    return verticals->get<std::string>();
}

// Older files have no project data: every field opens empty.
ProjectData ReadData(const Json& document)
{
    ProjectData data;
    const auto found = document.find(kDataKey);
    if (found == document.end()) {
        return data;
    }
    const std::string path(kDataKey);
    const Json& fields = Object(*found, path);
    for (const ProjectDataField& field : kProjectDataFields) {
        const Json& text = Field(fields, path, field.key);
        if (!text.is_string()) {
            WrongKind(path + "." + std::string(field.key), "un testo");
        }
        data.*field.text = text.get<std::string>();
    }
    return data;
}

}  // namespace

std::string WriteProjectFile(const Project& project)
{
    std::vector<std::string> members = {
        Member("formato", Quoted(kProjectFormat)),
        Member("versione", std::to_string(kProjectVersion)),
    };
    // The verticals and the project's data are written only when typed, so
    // that a project without them keeps the bytes of the files written before
    // the design check and the calculation report.
    if (!project.data.IsEmpty()) {
        members.push_back(Member(kDataKey, DataText(project.data)));
    }
    members.push_back(Member("caselle", BoxesText(project.form)));
    members.push_back(Member("combinazione", std::to_string(project.form.selectedCombination)));
    if (!project.verticals.empty()) {
        members.push_back(Member("verticali", Quoted(project.verticals)));
    }
    members.push_back(Member("stato", StateText(project.state)));
    return Block('{', members, '}', 0) + "\n";
}

Project ReadProjectFile(std::string_view bytes)
{
    const Json document = Parse(bytes);
    if (!document.is_object()) {
        throw ProjectFileError("non è un progetto di Portanza dei pali");
    }
    CheckFormat(document);
    return {ReadForm(document), ReadState(document), ReadVerticals(document), ReadData(document)};
}

}  // namespace pali
