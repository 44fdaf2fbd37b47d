// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_printer.h"

#include "cli/fact_texts.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace sumafac::cli {

namespace {

// Characters on screen, not bytes: month names and amounts are ASCII, but a loaded file may bring accents.
std::size_t displayWidth(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padRight(const std::string& text, std::size_t width)
{
    const std::size_t shown = displayWidth(text);
    return text + std::string(shown < width ? width - shown : 0, ' ');
}

std::string padLeft(const std::string& text, std::size_t width)
{
    const std::size_t shown = displayWidth(text);
    return std::string(shown < width ? width - shown : 0, ' ') + text;
}

std::vector<FactTexts> factTexts(const WindowModel& model, const CategoryBasis& basis)
{
    std::vector<FactTexts> all;
    for (int table = 1; table <= TableCount; ++table) {
        const CategoryFacts facts = categoryFacts(model, table, basis.scale, basis.taxpayer);
        if (facts.hasYear) {
            all.push_back(factTextsOf(facts));
        }
    }
    return all;
}

} // namespace

void printText(const WindowModel& model, std::ostream& out, const CategoryBasis& basis)
{
    out << "CUIT:" << (model.cuit().empty() ? "" : " " + model.cuit()) << '\n';
    for (int table = 1; table <= TableCount; ++table) {
        std::size_t nameWidth = 6;
        std::size_t countWidth = displayWidth(model.cell(table, 0, MonthTable::CountColumn));
        std::size_t amountWidth = displayWidth(model.cell(table, 0, MonthTable::AmountColumn));
        for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
            nameWidth = std::max(nameWidth, displayWidth(model.cell(table, row, 0)));
            countWidth = std::max(countWidth, displayWidth(model.cell(table, row, MonthTable::CountColumn)));
            amountWidth = std::max(amountWidth, displayWidth(model.cell(table, row, MonthTable::AmountColumn)));
        }
        const std::string& caption = model.tabCaption(table - 1);
        out << "\nSolapa " << table << ':' << (caption.empty() ? "" : " " + caption) << '\n';
        for (int row = 0; row <= MonthTable::TotalsRow; ++row) {
            const std::string name = row == MonthTable::TotalsRow ? "TOTAL" : model.cell(table, row, 0);
            std::string text = padRight(name, nameWidth) + "  " + padLeft(model.cell(table, row, 1), countWidth) +
                               "  " + padLeft(model.cell(table, row, 2), amountWidth);
            text.erase(text.find_last_not_of(' ') + 1);
            out << text << '\n';
        }
    }
    out << "\nMonotributo\n";
    for (int table = 1; table <= TableCount; ++table) {
        const std::string line = categoryLine(categoryFacts(model, table, basis.scale, basis.taxpayer), basis.today);
        out << "Solapa " << table << ": " << (line.empty() ? "sin año" : line) << '\n';
    }
}

void printCsv(const WindowModel& model, std::ostream& out, const CategoryBasis& basis)
{
    out << "table,caption,row,month,count,amount\n";
    for (int table = 1; table <= TableCount; ++table) {
        for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
            out << table << ',' << csvField(model.tabCaption(table - 1)) << ',' << row << ','
                << csvField(model.cell(table, row, 0)) << ','
                << csvField(model.cell(table, row, MonthTable::CountColumn)) << ','
                << csvField(model.cell(table, row, MonthTable::AmountColumn)) << '\n';
        }
    }
    out << "\ntable,months,total,recategorization,scale_from,category,ceiling,headroom,monthly_average,scale_wanted,"
           "services_category,projection_pace,projection_months_left,projection_total,projection_category,"
           "projection_crosses,"
        << RecategorizationCsvHeader << '\n';
    for (const FactTexts& facts : factTexts(model, basis)) {
        out << facts.table << ',' << facts.months << ',' << csvField(facts.total) << ',' << facts.recategorization
            << ',' << facts.scaleFrom << ',' << facts.category << ',' << csvField(facts.ceiling) << ','
            << csvField(facts.headroom) << ',' << csvField(facts.monthlyAverage) << ',' << facts.scaleWanted << ','
            << facts.servicesCategory;
        // A table without a projection leaves its five columns empty.
        const ProjectionTexts projection = facts.projection.value_or(ProjectionTexts{});
        out << ',' << csvField(projection.pace) << ','
            << (facts.projection ? std::to_string(projection.monthsLeft) : "") << ',' << csvField(projection.total)
            << ',' << projection.category << ',' << projection.crosses << ',' << recategorizationCsvFields(facts.whole)
            << '\n';
    }
}

void printJson(const WindowModel& model, std::ostream& out, const CategoryBasis& basis)
{
    out << "{\"cuit\": " << jsonString(model.cuit()) << ", \"captions\": [";
    for (int tab = 0; tab < TableCount; ++tab) {
        out << (tab ? ", " : "") << jsonString(model.tabCaption(tab));
    }
    out << "], \"tables\": [";
    for (int table = 1; table <= TableCount; ++table) {
        out << (table > 1 ? ", " : "") << '[';
        for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
            out << (row > 1 ? ", " : "") << '[' << jsonString(model.cell(table, row, MonthTable::CountColumn)) << ", "
                << jsonString(model.cell(table, row, MonthTable::AmountColumn)) << ']';
        }
        out << ']';
    }
    out << "], \"panel\": {\"visible\": " << (model.panelVisible() ? "true" : "false") << ", \"lines\": [";
    for (int line = 1; line <= PanelLineCount; ++line) {
        out << (line > 1 ? ", " : "") << jsonString(model.panelLine(line));
    }
    out << "]}, \"save_enabled\": " << (model.saveEnabled() ? "true" : "false")
        << ", \"drop_text\": " << jsonString(model.dropText()) << ", \"categories\": [";
    const char* separator = "";
    for (const FactTexts& facts : factTexts(model, basis)) {
        out << separator;
        writeFactsJson(out, facts);
        separator = ", ";
    }
    out << "]}\n";
}

void printState(const WindowModel& model, const std::string& format, std::ostream& out, const CategoryBasis& basis)
{
    if (format == "json") {
        printJson(model, out, basis);
    } else if (format == "csv") {
        printCsv(model, out, basis);
    } else {
        printText(model, out, basis);
    }
    out.flush();
}

} // namespace sumafac::cli
