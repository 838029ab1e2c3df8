// SPDX-License-Identifier: MIT

#include "app/command_line.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "app/project_file.h"
#include "core/check/design_check.h"
#include "core/report/report_sequence.h"

namespace pali {

namespace {

const std::string kProgram = "portanza-pali";

bool IsOption(const std::string& word)
{
    return word.starts_with('-');
}

RefusedCommand NotUnderstood(const std::string& word)
{
    return {"opzione non ammessa: " + word};
}

Command ParseCheck(std::vector<std::string> files, bool json)
{
    const auto option = std::find_if(files.begin(), files.end(), IsOption);
    if (option != files.end()) {
        return NotUnderstood(*option);
    }
    if (files.empty()) {
        return RefusedCommand{"--verifica vuole almeno un file di progetto"};
    }
    return CheckCommand{std::move(files), json};
}

Command ParseCurve(const std::vector<std::string>& arguments, bool json)
{
    if (arguments.size() != 1) {
        return RefusedCommand{"--curva vuole un file di progetto"};
    }
    if (IsOption(arguments.front())) {
        return NotUnderstood(arguments.front());
    }
    return CurveCommand{arguments.front(), json};
}

Command ParsePdf(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        return RefusedCommand{"--pdf vuole il file PDF da scrivere e un file di progetto"};
    }
    const auto option = std::find_if(arguments.begin(), arguments.end(), IsOption);
    if (option != arguments.end()) {
        return NotUnderstood(*option);
    }
    return PdfCommand{arguments[0], arguments[1]};
}

Command ParseReport(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        return RefusedCommand{"--relazione vuole il file da scrivere (.pdf o .docx) e un file di progetto"};
    }
    const auto option = std::find_if(arguments.begin(), arguments.end(), IsOption);
    if (option != arguments.end()) {
        return NotUnderstood(*option);
    }
    if (!doc::ReportFormatOf(arguments[0])) {
        return RefusedCommand{"--relazione scrive un file .pdf o .docx, non «" + arguments[0] + "»"};
    }
    return ReportCommand{arguments[0], arguments[1]};
}

// --help and --version stand alone: anything after them is a mistake the
// engineer should hear about rather than have ignored.
Command Alone(Command command, const std::string& word, const std::vector<std::string>& others)
{
    if (!others.empty()) {
        return RefusedCommand{word + " non vuole altre parole"};
    }
    return command;
}

Command ParseWindow(const std::string& word, const std::vector<std::string>& others)
{
    if (IsOption(word)) {
        return NotUnderstood(word);
    }
    if (!others.empty()) {
        return RefusedCommand{"la finestra apre un solo file di progetto"};
    }
    return WindowCommand{word};
}

// The project in a file, or the sentence that says why there is none.
std::variant<Project, std::string> OpenProject(const std::string& path, const FileReader& read)
{
    const FileReading reading = read(path, kProjectFileLimit);
    std::string problem = ReadingProblem(reading);
    if (problem.empty()) {
        try {
            return ReadProjectFile(reading.bytes);
        } catch (const ProjectFileError& error) {
            problem = error.what();
        }
    }
    return "Impossibile aprire «" + FileNameOf(path) + "»: " + problem + ".";
}

int StatusOf(const DesignCheck& check)
{
    if (!IsComplete(check)) {
        return kCannotBeChecked;
    }
    return check.approach2Ntc2008Ntc2018 == Verdict::NotVerified ? kNotVerified : 0;
}

// The window's command has no output here: the front end opens the window.
std::optional<CommandOutput> Run(const WindowCommand&, const CommandSystem&)
{
    return std::nullopt;
}

std::optional<CommandOutput> Run(const CheckCommand& check, const CommandSystem& system)
{
    return RunCheckCommand(check, system.read, system.format);
}

// The curve of a file's profile; status 2 when the file does not open or its
// profile gives no length.
std::optional<CommandOutput> Run(const CurveCommand& asked, const CommandSystem& system)
{
    const auto project = OpenProject(asked.file, system.read);
    if (const auto* problem = std::get_if<std::string>(&project)) {
        return CommandOutput{kCannotBeChecked, {}, *problem + "\n"};
    }
    const Project& opened = std::get<Project>(project);
    const LengthCurve curve = CurveOfLengths(opened.form, opened.state, opened.verticals, system.format);
    if (curve.points.empty()) {
        return CommandOutput{kCannotBeChecked, {}, "«" + FileNameOf(asked.file) + "»: il profilo non dà lunghezze.\n"};
    }
    return CommandOutput{0, asked.json ? CurveJson(curve) : CurveCsv(curve, system.format), {}};
}

// The PDF's status tells a script a file that does not open (2) from a system
// without PDF (3) and from a PDF the disk refused (4).
std::optional<CommandOutput> Run(const PdfCommand& pdf, const CommandSystem& system)
{
    if (!system.writePdf) {
        return CommandOutput{kPdfNotAvailable,
                             {},
                             kProgram +
                                 ": --pdf non è disponibile su Windows; la relazione si stampa dalla "
                                 "finestra con STAMPA.\n"};
    }
    const auto report = ReportOfFile(pdf.file, system.read, system.format);
    if (const auto* problem = std::get_if<std::string>(&report)) {
        return CommandOutput{kCannotBeChecked, {}, *problem + "\n"};
    }
    if (!system.writePdf(std::get<std::vector<PrintedLine>>(report), pdf.output)) {
        return CommandOutput{kPdfNotWritten, {}, "Impossibile scrivere «" + pdf.output + "».\n"};
    }
    return CommandOutput{};
}

// The report's status tells a script a file that does not open (2) from a
// format the system does not write (3) and from a file the disk refused (4).
std::optional<CommandOutput> Run(const ReportCommand& asked, const CommandSystem& system)
{
    const auto project = OpenProject(asked.file, system.read);
    if (const auto* problem = std::get_if<std::string>(&project)) {
        return CommandOutput{kCannotBeChecked, {}, *problem + "\n"};
    }
    const doc::ReportFormat format = *doc::ReportFormatOf(asked.output);
    if (const auto reason = system.reportFiles.unavailable(format)) {
        return CommandOutput{kPdfNotAvailable, {}, doc::ReportNotWritten(asked.output, *reason) + "\n"};
    }
    const doc::Document document =
        doc::ReportOf(doc::ReportInputsOf(std::get<Project>(project), asked.file, system.format));
    if (const auto reason = system.reportFiles.write(document, format, asked.output)) {
        return CommandOutput{kPdfNotWritten, {}, doc::ReportNotWritten(asked.output, *reason) + "\n"};
    }
    return CommandOutput{};
}

std::optional<CommandOutput> Run(const HelpCommand&, const CommandSystem&)
{
    return CommandOutput{0, UsageText(), {}};
}

std::optional<CommandOutput> Run(const VersionCommand&, const CommandSystem&)
{
    return CommandOutput{0, VersionText(), {}};
}

std::optional<CommandOutput> Run(const RefusedCommand& refused, const CommandSystem&)
{
    return CommandOutput{kCannotBeChecked, {}, kProgram + ": " + refused.reason + "\n" + UsageText()};
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& words)
{
    std::vector<std::string> rest;
    std::copy_if(words.begin(), words.end(), std::back_inserter(rest),
                 [](const std::string& word) { return word != "--json"; });
    const bool json = rest.size() != words.size();
    if (!rest.empty() && rest.front() == "--verifica") {
        return ParseCheck({rest.begin() + 1, rest.end()}, json);
    }
    if (!rest.empty() && rest.front() == "--curva") {
        return ParseCurve({rest.begin() + 1, rest.end()}, json);
    }
    if (json) {
        return RefusedCommand{"--json vale solo con --verifica o --curva"};
    }
    if (rest.empty()) {
        return WindowCommand{};
    }
    const std::string& first = rest.front();
    const std::vector<std::string> others(rest.begin() + 1, rest.end());
    if (first == "--pdf") {
        return ParsePdf(others);
    }
    if (first == "--relazione") {
        return ParseReport(others);
    }
    if (first == "--help" || first == "-h") {
        return Alone(HelpCommand{}, first, others);
    }
    if (first == "--version") {
        return Alone(VersionCommand{}, first, others);
    }
    return ParseWindow(first, others);
}

std::string UsageText()
{
    return "uso: portanza-pali [FILE]                        apre la finestra, con il progetto FILE\n"
           "     portanza-pali --verifica [--json] FILE...   la verifica di progetto di ogni FILE\n"
           "     portanza-pali --curva [--json] FILE         Rd a ogni lunghezza del profilo di FILE\n"
           "     portanza-pali --pdf USCITA.pdf FILE         la relazione di FILE in USCITA.pdf (Linux)\n"
           "     portanza-pali --relazione USCITA FILE       la relazione di calcolo di FILE, in PDF\n"
           "                                                 (USCITA.pdf) o in Word (USCITA.docx)\n"
           "     portanza-pali --help                        questo aiuto (anche -h)\n"
           "     portanza-pali --version                     la versione del programma\n"
           "stato di uscita: 0 riuscito, 1 non verificato con le NTC 2018, 2 impossibile verificare\n"
           "     o comando non valido, 3 PDF non disponibile (--pdf su Windows, o nessuna stampante\n"
           "     PDF per --relazione), 4 PDF o relazione non scritti\n";
}

std::string VersionText()
{
    return kProgram + " " PALI_VERSION "\n";
}

std::optional<CommandOutput> RunWithoutWindow(const Command& command, const CommandSystem& system)
{
    return std::visit([&system](const auto& asked) { return Run(asked, system); }, command);
}

CommandOutput RunCheckCommand(const CheckCommand& command, const FileReader& read, const NumberFormat& format)
{
    CommandOutput output;
    for (const std::string& file : command.files) {
        const auto project = OpenProject(file, read);
        if (const auto* problem = std::get_if<std::string>(&project)) {
            output.err += *problem + "\n";
            output.status = kCannotBeChecked;
            continue;
        }
        const Project& opened = std::get<Project>(project);
        const DesignCheck check = CheckDesign(opened.form, opened.state, opened.verticals, format);
        const LengthCurve curve = CurveOfLengths(opened.form, opened.state, opened.verticals, format);
        output.out += command.json ? DesignCheckJson(file, check, curve, format) + "\n"
                                   : DesignCheckText(file, check, curve, format);
        output.status = std::max(output.status, StatusOf(check));
    }
    return output;
}

std::variant<std::vector<PrintedLine>, std::string> ReportOfFile(const std::string& path, const FileReader& read,
                                                                 const NumberFormat& format)
{
    auto project = OpenProject(path, read);
    if (auto* problem = std::get_if<std::string>(&project)) {
        return *problem;
    }
    Project& opened = std::get<Project>(project);
    const std::vector<PrintItems> checkLines = ReportCheckLines(opened.form, opened.state, opened.verticals, format);
    RecordingPrinter printer(format);
    try {
        ComposeReport(opened.form, opened.state, printer, format, checkLines);
    } catch (const RunTimeError& error) {
        return "Impossibile stampare «" + FileNameOf(path) + "»: " + ErrorLine(error) + ".";
    }
    return printer.lines();
}

}  // namespace pali
