// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the bytes decide a small folder of downloads (exports and saved files of two CUITs in nested
// folders, whose vouchers may repeat or conflict across files, a client list, files that are no download) and the
// portfolio read from it must count every voucher once, take a month no export gives from a saved file, give a client
// with no two files sharing a voucher the sum of what each export gives dropped alone on the window, refuse a client
// whose files give one voucher two versions, name every file it could not take, and leave the folder as it was.
#include "core/window_model.h"
#include "import/drop_intake.h"
#include "import/voucher_months.h"
#include "platform/native.h"
#include "portfolio/file_reading.h"
#include "portfolio/portfolio.h"
#include "scale/scale_in_use.h"
#include "taxpayer/taxpayer_list.h"
#include "tests/fuzz/export_fuzz_check.h"
#include "totals/category.h"
#include "zip/libzip_reader.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <set>
#include <tuple>
#include <unistd.h>

using namespace sumafac;
using testing::require;

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 2> Cuits = {"20123456786", "27234567891"};

// (type, point of sale, number): a voucher's identity; (month, total, span): what a file says of it.
using Key = std::tuple<int, int, int>;
using Version = std::tuple<int, Cents, int>;

struct ExportFile
{
    std::string shown; // relative to the folder, "/" between folders
    std::size_t cuit = 0;
    std::map<Key, Version> vouchers;
};

// A saved file: the months of one or two years of a CUIT, as "Guardar" writes them.
struct SavedFile
{
    std::string shown;
    std::size_t cuit = 0;
    std::map<YearMonth, MonthFigures> months;
};

struct Folder
{
    std::vector<ExportFile> exports;
    std::vector<SavedFile> saved;
    std::set<std::string> unread; // files that are no export, or a saved file without a month
    std::int64_t otherFiles = 0;
    std::string clientList;
    bool hasClientList = false;
};

fs::path pathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

void put(const fs::path& root, const std::string& shown, const std::string& bytes)
{
    const fs::path path = root / pathOf(shown);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string exportText(const ExportFile& file)
{
    std::string text = "Fecha de Emisión;Tipo de Comprobante;Punto de Venta;Número Desde;Número Hasta;Imp. Total\n";
    for (const auto& [key, version] : file.vouchers) {
        const auto& [type, point, number] = key;
        const auto& [month, total, span] = version;
        char row[128];
        std::snprintf(row, sizeof row, "%04d-%02d-15;%d;%d;%d;%d;%lld,%02lld\n", month / 12, month % 12 + 1, type,
                      point, number, number + span, static_cast<long long>(total / 100),
                      static_cast<long long>(total % 100));
        text += row;
    }
    return text;
}

// 82 values, each followed by a carriage return: the CUIT, three captions, then count and amount of rows 1 to 13 of
// the three tables.
std::string savedText(const SavedFile& file, int firstYear, bool twoYears)
{
    std::string text = std::string(Cuits[file.cuit]) + "\r" + std::to_string(firstYear) + "\r" +
                       (twoYears ? std::to_string(firstYear + 1) : "") + "\r\r";
    for (int table = 0; table < 3; ++table) {
        for (int row = 1; row <= 13; ++row) {
            const auto month = file.months.find({firstYear + table, row});
            if (table < 2 && month != file.months.end()) {
                text += std::to_string(month->second.count) + "\r" + amountText(month->second.amount) + "\r";
            } else {
                text += "\r\r";
            }
        }
    }
    return text;
}

Folder madeFolder(FuzzedDataProvider& input, const fs::path& root)
{
    constexpr std::array<const char*, 4> folders = {"", "a/", "a/b/", "B/"};
    constexpr std::array<int, 3> types = {11, 13, 6};
    constexpr std::array<Cents, 4> totals = {10000, 25050, 1, 99999999};
    Folder folder;
    for (int files = input.ConsumeIntegralInRange(0, 6), number = 0; number < files; ++number) {
        const std::string where = folders[input.ConsumeIntegralInRange<std::size_t>(0, folders.size() - 1)];
        const int kind = input.ConsumeIntegralInRange(0, 6);
        if (kind == 6) {
            SavedFile file;
            file.cuit = input.ConsumeIntegralInRange<std::size_t>(0, Cuits.size() - 1);
            file.shown = where + "guardado-" + std::to_string(number) + (input.ConsumeBool() ? ".sa1" : ".SA1");
            const int firstYear = input.ConsumeBool() ? 2024 : 2025;
            const bool twoYears = input.ConsumeBool();
            for (int months = input.ConsumeIntegralInRange(0, 4); months > 0; --months) {
                file.months[{firstYear + (twoYears && input.ConsumeBool() ? 1 : 0),
                             input.ConsumeIntegralInRange(1, 12)}] = {
                    input.ConsumeIntegralInRange(0, 9),
                    totals[input.ConsumeIntegralInRange<std::size_t>(0, totals.size() - 1)]};
            }
            put(root, file.shown, savedText(file, firstYear, twoYears));
            if (file.months.empty()) {
                folder.unread.insert(file.shown);
            } else {
                folder.saved.push_back(std::move(file));
            }
            continue;
        }
        if (kind == 4) {
            put(root, where + "notas-" + std::to_string(number) + ".txt", input.ConsumeRandomLengthString(64));
            ++folder.otherFiles;
            continue;
        }
        if (kind == 5) {
            const std::string shown = where + "informe-" + std::to_string(number) + ".csv";
            put(root, shown, input.ConsumeRandomLengthString(256));
            folder.unread.insert(shown);
            continue;
        }
        ExportFile file;
        file.cuit = input.ConsumeIntegralInRange<std::size_t>(0, Cuits.size() - 1);
        // A later export often repeats an earlier one's vouchers, as downloads of overlapping periods do.
        if (!folder.exports.empty() && input.ConsumeBool()) {
            const ExportFile& earlier =
                folder.exports[input.ConsumeIntegralInRange<std::size_t>(0, folder.exports.size() - 1)];
            file.cuit = earlier.cuit;
            for (const auto& voucher : earlier.vouchers) {
                if (input.ConsumeBool()) {
                    file.vouchers.insert(voucher);
                }
            }
        }
        for (int rows = input.ConsumeIntegralInRange(0, 6); rows > 0; --rows) {
            const Key key{types[input.ConsumeIntegralInRange<std::size_t>(0, types.size() - 1)],
                          input.ConsumeIntegralInRange(1, 2), input.ConsumeIntegralInRange(1, 6)};
            const Version version{(input.ConsumeBool() ? 2024 : 2025) * 12 + input.ConsumeIntegralInRange(0, 11),
                                  totals[input.ConsumeIntegralInRange<std::size_t>(0, totals.size() - 1)],
                                  input.ConsumeIntegralInRange(0, 2)};
            file.vouchers.emplace(key, version);
        }
        if (file.vouchers.empty()) {
            continue;
        }
        file.shown = where + "Mis Comprobantes Emitidos - CUIT " + Cuits[file.cuit] + " (" + std::to_string(number) +
                     (input.ConsumeBool() ? ").csv" : ").CSV");
        put(root, file.shown, exportText(file));
        folder.exports.push_back(std::move(file));
    }
    if (input.ConsumeBool()) {
        folder.hasClientList = true;
        folder.clientList = input.ConsumeBool() ? std::string(Cuits[1]) + ";Ana;C\n20300000003;Luis;k\n"
                                                : input.ConsumeRandomLengthString(256);
        put(root, input.ConsumeBool() ? "cartera.csv" : "Cartera.CSV", folder.clientList);
    }
    return folder;
}

// Every entry below folder, with its size and time.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string what = std::to_string(static_cast<int>(entry.symlink_status().type()));
        if (entry.is_regular_file()) {
            what += " " + std::to_string(entry.file_size()) + " " +
                    std::to_string(entry.last_write_time().time_since_epoch().count());
        }
        entries[entry.path().string()] = what;
    }
    return entries;
}

// What one export gives dropped alone on a window just started.
std::map<YearMonth, MonthFigures> droppedAlone(const fs::path& file, const std::string& programFolder)
{
    WindowModel model;
    initialiseMonthTables(model);
    testing::RecordingDialogs dialogs;
    static const auto files = platform::makeNativeFiles();
    static const auto processes = platform::makeNativeProcessRunner();
    static LibzipReader zips;
    HandlerContext context{model, dialogs, *files, *processes, zips, programFolder};
    importDrop(context, {file.string()});
    require(dialogs.messages.empty(), "an export of two years drops alone");
    return monthsOfYearTables(model);
}

void checkClient(const Client& client, const Folder& folder, const fs::path& root, const std::string& programFolder)
{
    std::map<Key, std::set<Version>> versions;
    std::set<std::string> exports;
    std::set<std::string> shown;
    std::map<Key, int> filesOfKey;
    for (const ExportFile& file : folder.exports) {
        if (Cuits[file.cuit] == client.cuit) {
            exports.insert(file.shown);
            for (const auto& [key, version] : file.vouchers) {
                versions[key].insert(version);
                ++filesOfKey[key];
            }
        }
    }
    // Each saved month that no export gives, with the figures of every saved file that has it.
    std::map<YearMonth, std::vector<MonthFigures>> savedMonths;
    for (const SavedFile& file : folder.saved) {
        if (Cuits[file.cuit] == client.cuit) {
            shown.insert(file.shown);
            for (const auto& [when, figures] : file.months) {
                savedMonths[when].push_back(figures);
            }
        }
    }
    shown.insert(exports.begin(), exports.end());
    const bool conflict =
        std::any_of(versions.begin(), versions.end(), [](const auto& entry) { return entry.second.size() > 1; });
    require(conflict != client.error.empty(), "a client is refused when and only when a voucher has two versions");
    if (conflict) {
        require(client.months.empty(), "a refused client shows no months");
        require(std::count_if(exports.begin(), exports.end(),
                              [&](const std::string& file) { return client.error.find(file) != std::string::npos; }) ==
                    2,
                "a refusal names the two files that disagree");
        return;
    }
    std::set<std::string> listed;
    for (const SourceFile& file : client.files) {
        listed.insert(file.path);
    }
    require(listed == shown, "a client's files are its exports and saved files");
    // Each voucher once, whichever files list it.
    std::map<YearMonth, MonthFigures> expected;
    for (const auto& [key, version] : versions) {
        const auto& [month, total, span] = *version.begin();
        MonthFigures& figures = expected[{month / 12, month % 12 + 1}];
        figures.count += span + 1;
        figures.amount += isCreditNote(std::get<0>(key)) ? -total : total;
    }
    for (const auto& [when, figures] : client.months) {
        const auto fromExports = expected.find(when);
        const auto saved = savedMonths.find(when);
        require(fromExports != expected.end()
                    ? figures == fromExports->second
                    : saved != savedMonths.end() &&
                          std::find(saved->second.begin(), saved->second.end(), figures) != saved->second.end(),
                "every voucher counted once; a month no export gives is a saved file's");
    }
    for (const auto& [when, figures] : expected) {
        require(client.months.contains(when), "every month of an export is the client's");
    }
    for (const auto& [when, figures] : savedMonths) {
        require(client.months.contains(when), "every month of a saved file is the client's");
    }
    if (std::all_of(filesOfKey.begin(), filesOfKey.end(), [](const auto& entry) { return entry.second == 1; })) {
        std::map<YearMonth, MonthFigures> sum;
        for (const ExportFile& file : folder.exports) {
            if (Cuits[file.cuit] == client.cuit) {
                for (const auto& [when, figures] : droppedAlone(root / pathOf(file.shown), programFolder)) {
                    sum[when].count += figures.count;
                    sum[when].amount += figures.amount;
                }
            }
        }
        for (const auto& [when, figures] : sum) {
            require(client.months.at(when) == figures, "a client's months are its files' dropped one by one");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The process's own folder, gone when it ends well; an input that broke something leaves its folder to look at.
    static const struct Base
    {
        fs::path path = fs::temp_directory_path() / ("sumafac-fuzz-portfolio-" + std::to_string(getpid()));
        ~Base()
        {
            std::error_code error;
            fs::remove_all(path, error);
        }
    } owned;
    const fs::path& base = owned.path;
    const fs::path root = base / "cartera";
    const fs::path work = base / "trabajo";
    const fs::path program = base / "programa";
    fs::remove_all(base);
    for (const fs::path& path : {root, work, program}) {
        fs::create_directories(path);
    }
    FuzzedDataProvider input(data, size);
    const Folder folder = madeFolder(input, root);
    const auto before = snapshot(root);
    const Portfolio portfolio = readPortfolio(root.string(), shippedScale(),
                                              {work.string(), input.ConsumeIntegralInRange(1u, 2u), {}, nullptr});
    require(snapshot(root) == before, "nothing written into the folder");
    require(fs::is_empty(work), "the working files go");
    require(portfolio.folderProblem.empty() && !portfolio.cancelled, "a folder that is there reads");
    require(portfolio.otherFiles == folder.otherFiles, "files that are no download are counted");

    const TaxpayerList list = folder.hasClientList ? readTaxpayerList(folder.clientList) : TaxpayerList{};
    std::set<std::string> cuits;
    for (const ExportFile& file : folder.exports) {
        cuits.insert(Cuits[file.cuit]);
    }
    for (const SavedFile& file : folder.saved) {
        cuits.insert(Cuits[file.cuit]);
    }
    for (const auto& [cuit, listed] : list.taxpayers) {
        cuits.insert(cuit);
    }
    require(portfolio.clients.size() == cuits.size(), "a client for every CUIT of a file or of the list");
    for (const Client& client : portfolio.clients) {
        require(cuits.contains(client.cuit), "no client the folder does not name");
        require(client.taxpayer == taxpayerOf(list.taxpayers, client.cuit), "a listed client has the list's data");
        checkClient(client, folder, root, program.string());
    }
    std::set<std::string> unread;
    for (const UnreadFile& file : portfolio.unread) {
        unread.insert(file.path);
    }
    for (const std::string& file : folder.unread) {
        require(unread.contains(file), "a CSV that is no export, or a saved file of no month, is named as unread");
    }
    require(unread.size() == folder.unread.size() + (list.badRows.empty() ? 0 : 1), "nothing else is unread");
    return 0;
}
