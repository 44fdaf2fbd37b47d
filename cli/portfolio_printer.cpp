// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/portfolio_printer.h"

#include "cli/fact_texts.h"
#include "portfolio/portfolio_sheet.h"
#include "totals/category_text.h"

#include <cstdio>

namespace sumafac::cli {
namespace {

const char* kindCode(SourceKind kind)
{
    switch (kind) {
    case SourceKind::Export:
        return "export";
    case SourceKind::HeaderArchive:
        return "header";
    case SourceKind::SavedFile:
        break;
    }
    return "saved";
}

void writePeriodJson(std::ostream& out, const std::optional<PeriodSummary>& summary)
{
    if (!summary) {
        out << "null";
        return;
    }
    writeFactsJson(out, factTextsOf(summary->facts), summary->caption);
}

void printJson(const Portfolio& portfolio, std::ostream& out)
{
    out << "{\"clients\": [";
    const char* separator = "";
    for (const Client& client : portfolio.clients) {
        out << separator << "{\"cuit\": " << jsonString(client.cuit)
            << ", \"name\": " << jsonString(client.taxpayer.name)
            << ", \"registered_category\": " << jsonString(categoryCode(client.taxpayer.registeredCategory))
            << ", \"status\": " << jsonString(statusWord(client.status))
            << ", \"status_comparison\": " << jsonString(client.comparison)
            << ", \"error\": " << jsonString(client.error) << ", \"months\": {";
        const char* monthSeparator = "";
        for (const auto& [when, figures] : client.months) {
            out << monthSeparator << jsonString(yearMonthCode(when)) << ": {\"count\": " << figures.count
                << ", \"amount\": " << jsonString(amountText(figures.amount)) << '}';
            monthSeparator = ", ";
        }
        out << "}, \"files\": [";
        const char* fileSeparator = "";
        for (const SourceFile& file : client.files) {
            out << fileSeparator << "{\"path\": " << jsonString(file.path) << ", \"kind\": \"" << kindCode(file.kind)
                << "\", \"months_used\": " << file.monthsUsed << '}';
            fileSeparator = ", ";
        }
        out << "], \"year\": ";
        writePeriodJson(out, client.year);
        out << ", \"july_to_june\": ";
        writePeriodJson(out, client.julyToJune);
        out << '}';
        separator = ", ";
    }
    out << "], \"unread\": [";
    separator = "";
    for (const UnreadFile& file : portfolio.unread) {
        out << separator << "{\"path\": " << jsonString(file.path) << ", \"message\": " << jsonString(file.message)
            << '}';
        separator = ", ";
    }
    out << "], \"other_files\": " << portfolio.otherFiles << "}\n";
}

std::string monthText(const YearMonth& when)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%04d", when.month, when.year);
    return text;
}

void printText(const Portfolio& portfolio, std::ostream& out, const CalendarDate& today)
{
    out << "Cartera: " << portfolio.clients.size() << (portfolio.clients.size() == 1 ? " cliente" : " clientes") << ", "
        << portfolio.unread.size() << " archivos que no se pudieron leer, " << portfolio.otherFiles
        << " archivos que no son descargas\n";
    for (const Client& client : portfolio.clients) {
        out << "\nCUIT " << client.cuit << (client.taxpayer.name.empty() ? "" : " " + client.taxpayer.name);
        if (client.taxpayer.registeredCategory) {
            out << ", inscripto en la " << categoryLetter(*client.taxpayer.registeredCategory);
        }
        out << ": " << statusWord(client.status)
            << (client.comparison.empty() ? std::string() : " (" + client.comparison + ")") << '\n';
        if (!client.error.empty()) {
            out << "  ERROR, " << client.error << '\n';
        }
        if (!client.months.empty()) {
            out << "  meses de " << monthText(client.months.begin()->first) << " a "
                << monthText(client.months.rbegin()->first) << '\n';
        }
        for (const std::optional<PeriodSummary>* summary : {&client.year, &client.julyToJune}) {
            if (*summary) {
                out << "  " << (*summary)->caption << ": " << categoryLine((*summary)->facts, today) << '\n';
            }
        }
        for (const SourceFile& file : client.files) {
            out << "  archivo " << file.path << " (" << file.monthsUsed << (file.monthsUsed == 1 ? " mes" : " meses")
                << ")\n";
        }
    }
    if (!portfolio.unread.empty()) {
        out << "\nNo se pudieron leer:\n";
        for (const UnreadFile& file : portfolio.unread) {
            out << "  " << file.path << ": " << file.message << '\n';
        }
    }
}

} // namespace

void printPortfolio(const Portfolio& portfolio, const std::string& format, std::ostream& out, const CalendarDate& today)
{
    if (format == "json") {
        printJson(portfolio, out);
    } else if (format == "csv") {
        out << portfolioSheet(portfolio);
        if (!portfolio.unread.empty()) {
            out << "\r\nArchivo;No se pudo leer\r\n";
            const auto quoted = [](const std::string& text) {
                std::string field = "\"";
                for (const char c : text) {
                    field += c == '"' ? std::string("\"\"") : std::string(1, c);
                }
                return field + "\"";
            };
            for (const UnreadFile& file : portfolio.unread) {
                out << quoted(file.path) << ';' << quoted(file.message) << "\r\n";
            }
        }
    } else {
        printText(portfolio, out, today);
    }
    out.flush();
}

} // namespace sumafac::cli
