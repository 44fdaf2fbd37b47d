// SPDX-License-Identifier: GPL-3.0-or-later
// The accountant's portfolio: every client's months and category, read from a folder of downloads (Mis Comprobantes
// exports, monthly header archives and saved files, of any number of CUITs) and an optional client list. Nothing is
// written into the folder.
#pragma once

#include "core/numbers.h"
#include "taxpayer/taxpayer_data.h"
#include "totals/category.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sumafac {

// What a month of a client adds up to.
struct MonthFigures
{
    std::int64_t count = 0;
    Cents amount = 0;
    bool operator==(const MonthFigures&) const = default;
};

// The kinds of file the portfolio reads, from the most detailed to the least: a month that several cover takes its
// figures from the first.
enum class SourceKind { Export, HeaderArchive, SavedFile };

// A file the portfolio read, and what it gave to its client.
struct SourceFile
{
    // Relative to the portfolio's folder, with "/" between folders, as shown to the user.
    std::string path;
    SourceKind kind = SourceKind::Export;
    // The months whose figures were taken from this file.
    int monthsUsed = 0;
};

// A file that could not be read, and why, in Spanish.
struct UnreadFile
{
    std::string path;
    std::string message;
};

// A row of the client list cartera.csv that could not be taken is one of these too, its path "cartera.csv" and its
// message naming the line.

// What a client's figures say for one period: a calendar year or a July to June period.
struct PeriodSummary
{
    // "2025", "2026/2025": the caption its tab would have.
    std::string caption;
    CategoryFacts facts;
};

enum class ClientStatus { Up, Down, Same, Excluded, NoScale, Error, NoBasis };

// "sube", "baja", "mantiene", "excluido", "sin escala", "error", "sin comparación".
const char* statusWord(ClientStatus status);

struct Client
{
    std::string cuit;
    // From the client list, when it names the CUIT: the name, the registered category and the other data the
    // recategorization takes.
    TaxpayerData taxpayer;
    // Every month with figures, by year and month.
    std::map<YearMonth, MonthFigures> months;
    std::vector<SourceFile> files;
    // Why the client shows no figures (two files give one voucher two amounts), or "".
    std::string error;
    // The latest calendar year and the latest July to June period its figures reach; none without months.
    std::optional<PeriodSummary> year;
    std::optional<PeriodSummary> julyToJune;
    ClientStatus status = ClientStatus::NoBasis;
    // What the status weighed, told after its word: "inscripta C → E en 2026/2025", "B en 2025 → C en 2026", with
    // "proyectada" when the period is still open; "" for an error or a client without months.
    std::string comparison;
};

struct Portfolio
{
    // By CUIT.
    std::vector<Client> clients;
    std::vector<UnreadFile> unread;
    // Files that are no download (by their extension), passed over without a word each.
    std::int64_t otherFiles = 0;
    // Why the folder could not be read at all, or "" (an empty folder, or one with no download, is no fault: see
    // clients and unread).
    std::string folderProblem;
    bool cancelled = false;
};

struct PortfolioOptions
{
    // Where working files go (header archives pass through 7z as a drop's do): a folder of its own is made inside
    // and removed whatever happens. The portfolio's own folder is never written.
    std::string temporaryFolder;
    // Files read at once; 0 for one per processor.
    unsigned threads = 0;
    // Called from the reading threads as files are read: files done, files found.
    std::function<void(std::size_t done, std::size_t found)> progress;
    // Set from another thread to stop the reading; what was read is dropped and the result says cancelled.
    const std::atomic<bool>* cancel = nullptr;
};

Portfolio readPortfolio(const std::string& folder, const MonotributoScale& scale, const PortfolioOptions& options);

// What a portfolio without a client or an unread file says.
inline constexpr const char* NoDownloadsMessage =
    "la carpeta no tiene ninguna descarga de ARCA (exportaciones de Mis Comprobantes, archivos con Cabecera.txt o "
    "archivos guardados .sa1)";

// The client list's name in the portfolio's folder.
inline constexpr const char* ClientListName = "cartera.csv";

} // namespace sumafac
