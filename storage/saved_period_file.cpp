// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_period_file.h"

#include "core/cp1252.h"
#include "core/folder_names.h"
#include "core/numbers.h"
#include "core/text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sumafac {
namespace {

constexpr const char* OverwritePrompt = "El archivo existe, sobrescribir?";
constexpr const char* OverwriteTitle = "sobreescribir?";
constexpr const char* CuitPrompt = "CUIT?";
constexpr const char* OpenTitle = "Archivos guardados de este CUIT";
constexpr const char* OpenFilter = "Sumafac(*.Sa1)";
constexpr const char* Extension = ".sa1";
// The longest file name the usual file systems take, in bytes.
constexpr std::size_t LongestFileName = 255;
// A saved file is well under two kilobytes; anything this big was chosen by mistake and is not read into memory.
constexpr std::uint64_t LargestSavedFile = 1024 * 1024;
// Four leading values (CUIT and three captions), then 26 cells per table.
constexpr int FirstCellLine = 5;
constexpr int CellsPerTable = 2 * MonthTable::TotalsRow;

struct CellPlace
{
    int table;
    int row;
    int column;
};

// Table, row and column of file line 5 to 82.
CellPlace cellOfLine(int line)
{
    const int index = line - FirstCellLine;
    const int inTable = index % CellsPerTable;
    return {1 + index / CellsPerTable, 1 + inTable / 2, 1 + inTable % 2};
}

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

// Names Windows keeps for devices, in any letter case and with blanks after them.
bool isDeviceName(std::string stem)
{
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") {
        return true;
    }
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9';
}

// Whether name can be created in the program folder and nowhere else on every system the program runs on. The CUIT
// and the captions come from the tables, and a loaded file can bring anything into them.
bool isSafeFileName(const std::string& name)
{
    if (name.size() + std::char_traits<char>::length(platform::TemporarySuffix) > LongestFileName) {
        return false;
    }
    // A leading dot hides the file from listings; a leading blank is lost by some tools.
    if (name.front() == '.' || name.front() == ' ' || name.find("..") != std::string::npos) {
        return false;
    }
    const bool forbidden = std::any_of(name.begin(), name.end(), [](unsigned char c) {
        return isControl(c) || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
    });
    // Windows takes "CON.txt" and the like for a device, whatever follows the first dot.
    return !forbidden && !isDeviceName(name.substr(0, name.find('.')));
}

// The 82 values in file order, as the window holds them.
std::vector<std::string> valuesOnScreen(const WindowModel& model)
{
    std::vector<std::string> values{model.cuit(), model.tabCaption(FirstYearTab), model.tabCaption(SecondYearTab),
                                    model.tabCaption(TwelveMonthTab)};
    for (int line = FirstCellLine; line <= SavedValueCount; ++line) {
        const CellPlace cell = cellOfLine(line);
        // A cell is stored without leading and trailing spaces.
        values.emplace_back(trimmed(model.cell(cell.table, cell.row, cell.column), " "));
    }
    return values;
}

// Up to 82 values: each ends at a carriage return, which may be followed by a line feed; the last one may also
// end at the end of the file. Nothing after the 82nd value is looked at.
std::vector<std::string> valuesInFile(const std::string& bytes)
{
    std::vector<std::string> values;
    std::size_t pos = 0;
    while (values.size() < static_cast<std::size_t>(SavedValueCount) && pos < bytes.size()) {
        const auto end = std::min(bytes.find('\r', pos), bytes.size());
        values.push_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n') {
            ++pos;
        }
    }
    return values;
}

// A value as a message quotes it: never more than a short line.
std::string quoted(const std::string& bytes)
{
    constexpr std::size_t Longest = 40;
    // Appended, not prepended: prepending to a string trips a false -Wrestrict in GCC 12.
    std::string text(1, '"');
    text += utf8FromCp1252(bytes.substr(0, Longest));
    text += bytes.size() > Longest ? "...\"" : "\"";
    return text;
}

void showError(HandlerContext& context, const std::string& text)
{
    context.dialogs.MsgBox(text, platform::vbCritical);
}

// The first cell that neither is empty nor reads as a number of its column's kind, as a message; nothing when
// every cell is fine. The totals add these cells up, so anything else would break them after the load.
std::optional<std::string> firstBadCell(const std::vector<std::string>& values)
{
    for (int line = FirstCellLine; line <= SavedValueCount; ++line) {
        const std::string& value = values[line - 1];
        const CellPlace cell = cellOfLine(line);
        const bool isCount = cell.column == MonthTable::CountColumn;
        if (value.empty() || (isCount ? strictWhole(value).has_value() : strictAmount(value).has_value())) {
            continue;
        }
        const std::string month = cell.row == MonthTable::TotalsRow ? "TOTAL" : MonthNames[cell.row - 1];
        return "el valor " + quoted(value) + " de la línea " + std::to_string(line) + " (tabla " +
               std::to_string(cell.table) + ", " + month + ", " + (isCount ? "cantidad de facturas" : "importe") +
               ") no es un número.";
    }
    return std::nullopt;
}

// The CUIT or tab title that holds a control character, as a message; nothing when none does. Only a hand-edited
// file brings one, and it could not be saved back (a name) or would not read back the same (a line feed right
// after a line end).
std::optional<std::string> firstBadLeadingValue(const std::vector<std::string>& values)
{
    for (int line = 1; line < FirstCellLine; ++line) {
        const std::string& value = values[line - 1];
        if (std::any_of(value.begin(), value.end(), isControl)) {
            const std::string what = line == 1 ? "el CUIT" : "el título de la solapa " + std::to_string(line - 1);
            return what + " (línea " + std::to_string(line) + ") tiene caracteres de control.";
        }
    }
    return std::nullopt;
}

// After a save, the file under the program's spelling is the saved work; another spelling of the name is the file
// it replaced. Where the file system tells spellings apart both show in the folder, and the old one goes; where it
// does not, only one shows, the new file, which may have kept the old spelling: it takes the program's.
void keepOneSpelling(HandlerContext& context, const std::string& name)
{
    const auto spellings = namesAnyCase(context.files, context.ProgramFolder, name);
    if (spellings.empty()) {
        return;
    }
    if (spellings.front() != name) {
        // Through a name of its own: renaming straight to another spelling of the same name can be taken for no
        // change at all.
        const std::string aside = context.pathIn(name + platform::TemporarySuffix);
        if (context.files.replace(context.pathIn(spellings.front()), aside) &&
            !context.files.replace(aside, context.pathIn(name))) {
            context.files.replace(aside, context.pathIn(spellings.front()));
        }
        return;
    }
    for (std::size_t i = 1; i < spellings.size(); ++i) {
        context.files.remove(context.pathIn(spellings[i]));
    }
}

} // namespace

std::string savedFileStem(const std::string& cuit, const std::string& caption0, const std::string& caption1)
{
    return cuit + "_" + caption0 + (caption1.empty() ? "" : "_" + caption1);
}

std::string savedFileName(const std::string& cuit, const std::string& caption0, const std::string& caption1)
{
    return savedFileStem(cuit, caption0, caption1) + Extension;
}

void Grabarflex3(HandlerContext& context)
{
    const WindowModel& model = context.model;
    if (model.cuit().empty()) {
        return;
    }
    const std::string name =
        savedFileName(model.cuit(), model.tabCaption(FirstYearTab), model.tabCaption(SecondYearTab));
    if (!isSafeFileName(name)) {
        showError(context,
                  "No se puede guardar: el CUIT y los años de las solapas no sirven como nombre de archivo (no "
                  "pueden tener / \\ : * ? \" < > |, \"..\" ni caracteres de control).");
        return;
    }

    std::string bytes;
    for (const std::string& value : valuesOnScreen(model)) {
        const auto encoded = cp1252FromUtf8(value);
        if (!encoded) {
            showError(context, "No se puede guardar: el texto \"" + value +
                                   "\" tiene caracteres que un archivo .sa1 no puede guardar.");
            return;
        }
        bytes += *encoded + '\r';
    }

    // The folder matches names without regard to letter case: "..._2023.SA1" is this file under another spelling.
    const auto spellings = namesAnyCase(context.files, context.ProgramFolder, name);
    // A file whose length cannot be told is treated as one with contents: better one question too many.
    const bool replacing = !spellings.empty() && context.files.size(context.pathIn(spellings.front())).value_or(1) > 0;
    if (replacing &&
        context.dialogs.MsgBox(OverwritePrompt, platform::vbYesNoInformation, OverwriteTitle) != platform::vbYes) {
        return;
    }

    // Written beside the old file and renamed over it in one step: a full disk or a fault half way leaves the
    // former contents in place.
    if (!platform::writeWhole(context.files, context.pathIn(name), bytes)) {
        showError(context, "No se pudo guardar el archivo " + name + " en la carpeta del programa." +
                               (replacing ? " El archivo anterior quedó como estaba." : ""));
        return;
    }
    keepOneSpelling(context, name);
    context.model.setWrittenFile(context.pathIn(name));
}

void chooseAndLoadSavedFile(HandlerContext& context)
{
    const std::string cuit = context.dialogs.InputBox(CuitPrompt);
    if (cuit.empty()) {
        return;
    }
    platform::OpenFileRequest request;
    request.title = OpenTitle;
    request.filterDescription = OpenFilter;
    request.namePrefix = cuit;
    request.extension = Extension;
    request.initialFolder = context.ProgramFolder;
    const std::string path = context.dialogs.ShowOpen(request);
    if (path.empty()) {
        return;
    }
    loadSavedPeriodFile(context, path);
}

void loadSavedPeriodFile(HandlerContext& context, const std::string& path)
{
    if (!context.files.exists(path)) {
        return;
    }
    const std::string name = fileNameOf(path);
    const auto size = context.files.size(path);
    if (size == std::uint64_t{0}) {
        return;
    }
    if (size > LargestSavedFile) {
        showError(context,
                  "No se puede cargar el archivo " + name + ": es demasiado grande para ser un archivo guardado.");
        return;
    }
    const auto bytes = context.files.read(path);
    if (!bytes) {
        showError(context, "No se pudo leer el archivo " + name + ".");
        return;
    }
    if (bytes->empty()) {
        return;
    }

    const std::vector<std::string> values = valuesInFile(*bytes);
    if (values.size() < static_cast<std::size_t>(SavedValueCount)) {
        showError(context, "No se puede cargar el archivo " + name + ": tiene " + std::to_string(values.size()) +
                               " valores y un archivo guardado tiene " + std::to_string(SavedValueCount) + ".");
        return;
    }
    if (const auto problem = firstBadLeadingValue(values)) {
        showError(context, "No se puede cargar el archivo " + name + ": " + *problem);
        return;
    }
    if (const auto problem = firstBadCell(values)) {
        showError(context, "No se puede cargar el archivo " + name + ": " + *problem);
        return;
    }

    // Everything checked: only now is the window touched, and then all of it.
    WindowModel& model = context.model;
    model.setCuit(utf8FromCp1252(values[0]));
    for (int tab = 0; tab < TableCount; ++tab) {
        model.setTabCaption(tab, utf8FromCp1252(values[1 + tab]));
    }
    for (int line = FirstCellLine; line <= SavedValueCount; ++line) {
        const CellPlace cell = cellOfLine(line);
        model.setCell(cell.table, cell.row, cell.column, utf8FromCp1252(values[line - 1]));
    }
}

} // namespace sumafac
