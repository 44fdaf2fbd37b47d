// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/portfolio_sheet.h"

#include "totals/category_text.h"

namespace sumafac {
namespace {

constexpr const char* Titles =
    "CUIT;Nombre;Categoría inscripta;Primer mes;Último mes;Estado;Error;"
    "Año;Total del año;Meses del año;Categoría del año;Categoría del año si presta servicios;Excluido del año por;"
    "Cuota del año;Tope del año;Margen del año;Total proyectado del año;Categoría proyectada del año;"
    "Pasaría el tope en;"
    "Julio a junio;Total de julio a junio;Meses de julio a junio;Categoría de julio a junio;"
    "Categoría de julio a junio si presta servicios;Excluido de julio a junio por;Cuota de julio a junio;"
    "Tope de julio a junio;Margen de julio a junio;"
    "Total proyectado de julio a junio;Categoría proyectada de julio a junio;Pasaría el tope en (julio a junio)";

std::string field(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string letterOf(const std::optional<int>& category)
{
    if (!category) {
        return {};
    }
    return *category == ExcludedCategory ? "excluido" : std::string(1, categoryLetter(*category));
}

std::string amountOf(const std::optional<Cents>& amount)
{
    return amount ? amountText(*amount) : std::string();
}

// As the window's table writes a month: "03/2025".
std::string monthOf(const YearMonth& when)
{
    return (when.month < 10 ? "0" : "") + std::to_string(when.month) + "/" + std::to_string(when.year);
}

std::string periodFields(const std::optional<PeriodSummary>& summary)
{
    if (!summary) {
        return std::string(11, ';');
    }
    const CategoryFacts& facts = summary->facts;
    const auto& projection = facts.projection;
    return field(summary->caption) + ";" + amountOf(facts.total) + ";" + std::to_string(facts.months) + ";" +
           letterOf(facts.category) + ";" + letterOf(facts.servicesCategory) + ";" +
           (exclusionCause(facts) ? parameterName(*exclusionCause(facts)) : "") + ";" + feeCellText(facts, amountText) +
           ";" + amountOf(facts.ceiling) + ";" + amountOf(facts.headroom) + ";" +
           (projection ? amountText(projection->period.total) : "") + ";" +
           (projection ? letterOf(projection->category) : "") + ";" +
           (projection && projection->crosses ? monthOf(*projection->crosses) : "");
}

} // namespace

std::string portfolioSheet(const Portfolio& portfolio)
{
    std::string sheet = std::string("\xEF\xBB\xBF") + Titles + "\r\n";
    for (const Client& client : portfolio.clients) {
        sheet += client.cuit + ";" + field(client.taxpayer.name) + ";" + letterOf(client.taxpayer.registeredCategory) +
                 ";" +
                 (client.months.empty()
                      ? ";"
                      : monthOf(client.months.begin()->first) + ";" + monthOf(client.months.rbegin()->first)) +
                 ";" + statusWord(client.status) + ";" + field(client.error) + ";" + periodFields(client.year) + ";" +
                 periodFields(client.julyToJune) + "\r\n";
    }
    return sheet;
}

} // namespace sumafac
